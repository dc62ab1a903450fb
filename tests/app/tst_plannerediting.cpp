// The planner as a user drives it: picks, typing into cells with the editor
// still open, several rows, and the recalculation counter.
#include "app/calc.h"
#include "grid/gridcolumn.h"
#include "grid/pickeditor.h"
#include "grid/plangrid.h"
#include "partners/adrotation.h"
#include "tests/app/calcfixture.h"
#include "tests/support/localenumber.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace vantrel;
using vantrel::test::localeNumber;

namespace {

QStringList totals(const TCalc& calc) {
    return {calc.plannerPage->edFPS->text(), calc.plannerPage->edBandwidth->text(),
            calc.plannerPage->edSpace->text()};
}

} // namespace

class TestPlannerEditing : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m.start();
        QApplication::setActiveWindow(m.calc.get());
        grid().setFocus();
    }
    void cleanup() { m.stop(); }

    void pickingTheLargestCombinationFollowsEachPick() {
        pick(0, 0, "2048x1536 (3 MP)");
        QCOMPARE(cell(0, 2), QString("290")); // 3 MP at MJPG-Medium
        pick(0, 1, "RAW Data (no compr.)");
        QCOMPARE(cell(0, 2), QString("9217"));
        QCOMPARE(cell(0, 6), localeNumber("737.36"));
        QCOMPARE(cell(0, 7), localeNumber("7594.57397460938"));
        QCOMPARE(totals(*m.calc),
                 (QStringList{"10", localeNumber("737.36"), localeNumber("7594.57397460938")}));
    }

    void pickingTheUnknownEntryZeroesTheRow() {
        pick(0, 1, "?");
        QCOMPARE(cell(0, 2), QString("0"));
        QCOMPARE(cell(0, 6), QString("0"));
        QCOMPARE(cell(0, 7), QString("0"));
    }

    void typingAFrameSizeMarksTheCatalogueUnknown() {
        openEditor(0, 2);
        QTest::keyClicks(editor(), "12");
        // The results follow the typing while the editor is still open.
        QCOMPARE(cell(0, 0), QString("?"));
        QCOMPARE(cell(0, 1), QString("?"));
        QCOMPARE(cell(0, 2), QString("12"));
        QCOMPARE(cell(0, 6), localeNumber("0.96"));
        QCOMPARE(m.page().edBandwidth->text(), localeNumber("0.96"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(cell(0, 2), QString("12"));
    }

    void clearedFrameSizeCountsAsZero() {
        openEditor(0, 2);
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QCOMPARE(grid().EditorText(), QString());
        QCOMPARE(cell(0, 2), QString("0"));
        QCOMPARE(m.page().edSpace->text(), QString("0"));
    }

    void fpsAndCamerasOfASecondRow() {
        m.page().btnAddClick();
        typeInto(1, 2, "12");
        typeInto(1, 4, "7");
        typeInto(1, 3, "15");
        typeInto(1, 5, "4");
        QCOMPARE(cell(1, 6), localeNumber("5.76"));
        QCOMPARE(cell(1, 7), localeNumber("415.283203125"));
        // The first row keeps its results; the totals add both.
        QCOMPARE(cell(0, 6), localeNumber("3.68"));
        QCOMPARE(totals(*m.calc),
                 (QStringList{"70", localeNumber("9.44"), localeNumber("453.18603515625")}));
    }

    void everyEditStepCountsOneRecalculation() {
        QCOMPARE(m.page().recalcCount(), 1); // the start-up row
        openEditor(0, 3);
        QTest::keyClicks(editor(), "25");
        QCOMPARE(m.page().recalcCount(), 3);
        QTest::keyClick(editor(), Qt::Key_Return); // committing counts nothing
        QCOMPARE(m.page().recalcCount(), 3);
        m.page().btnAddClick();
        QCOMPARE(m.page().recalcCount(), 4);
        m.page().btnRemoveClick();
        QCOMPARE(m.page().recalcCount(), 4);
        QCOMPARE(m.page().edFPS->text(), QString("25"));
    }

    void removingAfterEditsLeavesTheOtherRowsTotals() {
        m.page().btnAddClick();
        typeInto(1, 5, "3");
        QCOMPARE(m.page().edFPS->text(), QString("40"));
        m.page().btnRemoveClick();
        QCOMPARE(grid().RowCount(), 1);
        QCOMPARE(totals(*m.calc),
                 (QStringList{"10", localeNumber("3.68"), localeNumber("37.90283203125")}));
        QCOMPARE(grid().FocusedRow(), grid().RowAt(0));
    }

private:
    TPlanGrid& grid() { return *m.page().planGrid; }
    QString cell(int row, int index) { return grid().GetCellText(grid().RowAt(row), index); }
    QWidget* editor() { return grid().editorWidget(); }

    void openEditor(int row, int index) {
        grid().setCurrentIndex(grid().model()->index(row, index));
        QTest::keyClick(&grid(), Qt::Key_Return);
        QVERIFY(editor());
    }

    // Replaces a spin cell's text by typing, then leaves it with Enter.
    void typeInto(int row, int index, const QString& text) {
        openEditor(row, index);
        QTest::keyClicks(editor(), text); // the opening text is selected
        QCOMPARE(grid().EditorText(), text);
        QTest::keyClick(editor(), Qt::Key_Return);
    }

    // Opens a pick cell's list, clicks the item and leaves with Enter.
    void pick(int row, int index, const QString& text) {
        openEditor(row, index);
        auto* editor = qobject_cast<TPickCellEditor*>(this->editor());
        QVERIFY(editor);
        editor->openList();
        QListWidget* list = editor->list();
        QVERIFY(QTest::qWaitForWindowExposed(list));
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items[0]).center());
        QCOMPARE(grid().EditorText(), text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    test::CalcFixture m;
};

QTEST_MAIN(TestPlannerEditing)
#include "tst_plannerediting.moc"
