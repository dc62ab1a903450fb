// The planner page on its own, as a user drives it: picks, typing into cells
// with the editor still open, several rows, the recalculation counter, the
// buttons, Save and Load, and Export as PDF with the dialogs answered by the test.
#include "grid/pickeditor.h"
#include "planner/planreport.h"
#include "tests/planner/pagefixture.h"
#include "tests/planner/pdftext.h"
#include "tests/support/defaultrow.h"
#include "tests/support/localenumber.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <span>

using namespace vantrel;
using vantrel::test::localeNumber;
using vantrel::test::pdfText;

class TestPlannerPage : public QObject {
    Q_OBJECT
private slots:
    void init() { m.start(); }
    void cleanup() { m.stop(); }

    void pickingTheLargestCombinationFollowsEachPick() {
        pick(0, 0, "2048x1536 (3 MP)");
        QCOMPARE(m.cell(0, 2), QString("290")); // 3 MP at MJPG-Medium
        pick(0, 1, "RAW Data (no compr.)");
        QCOMPARE(m.cell(0, 2), QString("9217"));
        QCOMPARE(m.cell(0, 6), localeNumber("737.36"));
        QCOMPARE(m.cell(0, 7), localeNumber("7594.57397460938"));
        QCOMPARE(m.totals(),
                 (QStringList{"10", localeNumber("737.36"), localeNumber("7594.57397460938")}));
    }

    void typingAFrameSizeMarksTheCatalogueUnknown() {
        m.openEditor(0, 2);
        QTest::keyClicks(m.editor(), "12");
        // The results follow the typing while the editor is still open.
        QCOMPARE(m.cell(0, 0), QString("?"));
        QCOMPARE(m.cell(0, 1), QString("?"));
        QCOMPARE(m.cell(0, 2), QString("12"));
        QCOMPARE(m.cell(0, 6), localeNumber("0.96"));
        QCOMPARE(m.totals()[1], localeNumber("0.96"));
        QTest::keyClick(m.editor(), Qt::Key_Return);
        QCOMPARE(m.cell(0, 2), QString("12"));
    }

    void clearedFrameSizeCountsAsZero() {
        m.openEditor(0, 2);
        QTest::keyClick(m.editor(), Qt::Key_Backspace);
        QCOMPARE(m.grid().EditorText(), QString());
        QCOMPARE(m.cell(0, 2), QString("0"));
        QCOMPARE(m.totals()[2], QString("0"));
    }

    // Each count column recalculates its row and the totals as it is typed.
    void typingACountRecalculatesAtOnce_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bandwidth");
        QTest::addColumn<QString>("diskSpace");
        QTest::newRow("FPS") << 3 << "20"
                             << "7.36"
                             << "75.8056640625";
        QTest::newRow("Days") << 4 << "3"
                              << "3.68"
                              << "113.70849609375";
        QTest::newRow("Cameras") << 5 << "2"
                                 << "7.36"
                                 << "75.8056640625";
    }
    void typingACountRecalculatesAtOnce() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, bandwidth);
        QFETCH(QString, diskSpace);
        m.openEditor(0, index);
        QTest::keyClicks(m.editor(), text);
        QCOMPARE(m.cell(0, 6), localeNumber(bandwidth));
        QCOMPARE(m.cell(0, 7), localeNumber(diskSpace));
        QCOMPARE(m.totals().mid(1),
                 (QStringList{localeNumber(bandwidth), localeNumber(diskSpace)}));
    }

    void fpsAndCamerasOfASecondRow() {
        m.click("btnAdd");
        m.typeInto(1, 2, "12");
        m.typeInto(1, 4, "7");
        m.typeInto(1, 3, "15");
        m.typeInto(1, 5, "4");
        QCOMPARE(m.cell(1, 6), localeNumber("5.76"));
        QCOMPARE(m.cell(1, 7), localeNumber("415.283203125"));
        // The first row keeps its results; the totals add both.
        QCOMPARE(m.cell(0, 6), localeNumber("3.68"));
        QCOMPARE(m.totals(),
                 (QStringList{"70", localeNumber("9.44"), localeNumber("453.18603515625")}));
    }

    void everyEditStepCountsOneRecalculation() {
        QCOMPARE(m.page->recalcCount(), 1); // the first row
        m.openEditor(0, 3);
        QTest::keyClicks(m.editor(), "25");
        QCOMPARE(m.page->recalcCount(), 3);
        QTest::keyClick(m.editor(), Qt::Key_Return); // committing counts nothing
        QCOMPARE(m.page->recalcCount(), 3);
        m.click("btnAdd");
        QCOMPARE(m.page->recalcCount(), 4);
        m.click("btnRemove");
        QCOMPARE(m.page->recalcCount(), 4);
        QCOMPARE(m.totals()[0], QString("25"));
    }

    void removingAfterEditsLeavesTheOtherRowsTotals() {
        m.click("btnAdd");
        m.typeInto(1, 5, "3");
        QCOMPARE(m.totals()[0], QString("40"));
        m.click("btnRemove");
        QCOMPARE(m.grid().RowCount(), 1);
        QCOMPARE(m.totals(),
                 (QStringList{"10", localeNumber("3.68"), localeNumber("37.90283203125")}));
        QCOMPARE(m.grid().FocusedRow(), m.grid().RowAt(0));
    }

    void removingTheOnlyRowZeroesTheTotalsAndCountsNothing() {
        m.click("btnRemove");
        QCOMPARE(m.grid().RowCount(), 0);
        QCOMPARE(m.totals(), (QStringList{"0", "0", "0"}));
        m.click("btnRemove");
        QCOMPARE(m.totals(), (QStringList{"0", "0", "0"}));
        QCOMPARE(m.page->recalcCount(), 1);
        m.click("btnAdd");
        QCOMPARE(m.page->recalcCount(), 2);
    }

    // Their pale blue, in either colour scheme, is tst_legibility's.
    void totalBoxesAreReadOnly() {
        for (const char* name : {"edFPS", "edBandwidth", "edSpace"})
            QVERIFY(m.control<QLineEdit>(name)->isReadOnly());
    }

    void tabOrderFollowsTheDesign() {
        const char* expected[] = {"btnAdd",  "btnRemove", "edFPS",  "edBandwidth",
                                  "edSpace", "btnSave",   "btnLoad"};
        m.control(expected[0])->setFocus();
        for (const char* next : std::span(expected).subspan(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), m.control(next));
        }
    }

    // The save dialog proposes the design's name, then the one chosen last;
    // the file holds the totals as the page shows them.
    void savingProposesItsNameAndWritesTheShownNumbers() {
        QTemporaryDir dir;
        QStringList proposed;
        m.answer = [&](TFileDialog::Kind, const QString& name) {
            proposed << name;
            return std::optional<QString>(dir.filePath(proposed.size() == 1 ? name : "other"));
        };
        m.click("btnSave");
        m.click("btnSave");
        QCOMPARE(proposed, (QStringList{"myconfig", dir.filePath("myconfig.ip")}));
        QFile file(dir.filePath("myconfig.ip"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 121);
        QVERIFY(bytes.endsWith(QByteArray("\x0e\0\0\0", 4) +
                               localeNumber("37.90283203125").toLatin1()));
        QVERIFY(QFile::exists(dir.filePath("other.ip")));
    }

    void loadReplacesRowsAndRecalculatesTheFirst() {
        QTemporaryDir dir;
        m.answer = [&](TFileDialog::Kind, const QString&) {
            return std::optional<QString>(dir.filePath("plan.ip"));
        };
        m.click("btnAdd");
        m.grid().SetCellValue(m.grid().RowAt(1), 3, 25);
        m.click("btnSave");
        m.click("btnRemove");
        const int before = m.page->recalcCount();
        m.click("btnLoad");
        QCOMPARE(m.grid().RowCount(), 2);
        QStringList first;
        for (int i = 0; i < 8; ++i)
            first << m.cell(0, i);
        QCOMPARE(first, test::defaultRowInLocale());
        QCOMPARE(m.cell(1, 3), QString("25"));
        QCOMPARE(m.grid().FocusedRow(), m.grid().RowAt(0));
        QCOMPARE(m.page->recalcCount(), before + 1);
        QCOMPARE(m.totals(),
                 (QStringList{"35", localeNumber("7.36"), localeNumber("75.8056640625")}));
    }

    void cancellingTheOpenDialogStillRecalculates() {
        m.click("btnLoad");
        QCOMPARE(m.page->recalcCount(), 2);
        QCOMPARE(m.grid().RowCount(), 1);
    }

    // After a Load the dialog proposes the plan's name; the PDF carries it,
    // the rows, and the platform's date in the platform's language.
    void exportAfterLoadWritesThePlanUnderItsName() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString plan = dir.filePath("north gate.ip");
        m.answer = [&](TFileDialog::Kind kind, const QString&) {
            return std::optional<QString>(kind == TFileDialog::Kind::Save ? dir.filePath("saved.ip")
                                                                          : plan);
        };
        m.click("btnSave");
        QVERIFY(QFile::copy(dir.filePath("saved.ip"), plan));
        m.click("btnAdd");
        m.click("btnLoad");
        m.platform->langId = 0x0419;
        m.platform->dayNumber = 39423;
        QStringList proposed;
        m.answer = [&](TFileDialog::Kind kind, const QString& name) {
            proposed << name;
            return kind == TFileDialog::Kind::Save ? std::optional<QString>(name) : std::nullopt;
        };
        exportCommand()->trigger();
        QCOMPARE(proposed, QStringList{dir.filePath("north gate.pdf")});
        const QString text = pdfText(proposed.front());
        QVERIFY2(text.contains("north gate.ip"), qPrintable(text));
        QVERIFY2(text.contains(reportDate(QDate(2007, 12, 7), kRussianLanguage)), qPrintable(text));
        // A long compression wraps in its column; the loaded plan's one row, once.
        const QRegularExpression row("640x480 \\(VGA\\)\\s+MJPG-Medium\\s+46\\s+10\\s+1\\s+1\\s+" +
                                     QRegularExpression::escape(localeNumber("3.68")));
        QVERIFY2(text.count(row) == 1, qPrintable(text));
    }

    // A folder that is not there: the box as Save shows it, and no file.
    void failedExportShowsTheBox() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("missing/plan.pdf");
        m.answer = [&](TFileDialog::Kind, const QString&) { return std::optional<QString>(pdf); };
        m.watchdog->expectBox();
        exportCommand()->trigger();
        QVERIFY2(m.watchdog->lastBoxText().startsWith("Cannot create file \"" + pdf),
                 qPrintable(m.watchdog->lastBoxText()));
        QVERIFY(!QFile::exists(pdf));
    }

private:
    QAction* exportCommand() const { return m.grid().findChild<QAction*>("miExportPdf"); }

    // Opens a pick cell's list, clicks the item and leaves with Enter.
    void pick(int row, int index, const QString& text) {
        m.openEditor(row, index);
        auto* editor = qobject_cast<TPickCellEditor*>(m.editor());
        QVERIFY(editor);
        editor->openList();
        QListWidget* list = editor->list();
        QVERIFY(QTest::qWaitForWindowExposed(list));
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items[0]).center());
        QCOMPARE(m.grid().EditorText(), text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    test::PageFixture m;
};

QTEST_MAIN(TestPlannerPage)
#include "tst_plannerpage.moc"
