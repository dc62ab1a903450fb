// Copying the plan with Ctrl+C pressed on the grid, on a real X server and in
// the locale the suite runs under: the whole plan as tab-separated text and as
// an HTML table, as the window shows it; with a cell editor open, the
// editor's own copy of its selection. The grid's menu beside Copy, and
// Ctrl+P to print.
#include "app/calc.h"
#include "grid/plangrid.h"
#include "planner/plannerpage.h"
#include "platform/desktopplatform.h"
#include "tests/app/appmain.h"
#include "tests/support/modalwatchdog.h"
#include "tests/support/realinput.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vantrel;

namespace {

bool russian() {
    return QLocale::system().language() == QLocale::Russian;
}

// "3.68" with the separator the window shows.
QString shown(QString number) {
    return russian() ? number.replace(u'.', u',') : number;
}

// The window's caption of the totals, which labels them in a copy too.
QString totalLabel() {
    return russian() ? QStringLiteral("ИТОГО:") : QStringLiteral("TOTAL:");
}

QStringList cells(const TPlanGrid& grid) {
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int i = 0; i < 8; ++i)
            texts << grid.GetCellText(grid.RowAt(r), i);
    return texts;
}

// Presses keys on the X server and waits until the program has taken them.
bool press(const QString& keys, int lastKey) {
    test::KeyReleases released(lastKey);
    return test::pressKey(keys) && QTest::qWaitFor([&] { return released.count > 0; });
}

} // namespace

class TestPlanCopy : public QObject {
    Q_OBJECT
private slots:
    // The desktop platform answers language and separator from the locale.
    void init() {
        calc = std::make_unique<TCalc>(desktop);
        calc->show();
        QVERIFY(QTest::qWaitForWindowActive(calc.get()));
        QTRY_COMPARE(QApplication::focusWidget(), &grid());
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() {
        calc.reset();
        QCOMPARE(watchdog.unexpectedBoxes(), 0);
    }

    void ctrlCCopiesTheWholePlanAsShown() {
        TPlanGrid& grid = this->grid();
        auto* add = calc->findChild<QPushButton*>("btnAdd");
        add->click();
        add->click();
        grid.setCurrentIndex(grid.model()->index(1, 3));
        QTest::keyClick(&grid, Qt::Key_Return);
        QVERIFY(grid.editorWidget());
        QTest::keyClicks(grid.editorWidget(), "25");
        QTest::keyClick(grid.editorWidget(), Qt::Key_Return);
        grid.horizontalHeader()->moveSection(3, 0); // FPS dragged to the front
        const QStringList before = cells(grid);
        const int recalcs = page().recalcCount();
        int changes = 0;
        connect(&grid, &TPlanGrid::editChange, this, [&] { ++changes; });

        QVERIFY(press("ctrl+c", Qt::Key_C));
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasText() && copied->hasHtml());
        const QString header =
            russian() ? QStringLiteral("FPS\tРазрешение\tВидеосжатие\tРазмер кадра,Kб\tСуток\t"
                                       "Камер\tТрафик,Мб/с\tОбъем,Гб\n")
                      : QStringLiteral("FPS\tResolution\tCompression\tFrame Size*, KB\tDays\t"
                                       "Cameras\tBandwidth, Mbit/s\tDisk Space, GB\n");
        const QString defaultRow =
            "10\t640x480 (VGA)\tMJPG-Medium (20)\t46\t1\t1\t" + shown("3.68\t37.90283203125\n");
        QCOMPARE(copied->text(), header + defaultRow +
                                     "25\t640x480 (VGA)\tMJPG-Medium (20)\t46\t1\t1\t" +
                                     shown("9.2\t94.757080078125\n") + defaultRow + "45\t" +
                                     totalLabel() + shown("\t\t\t\t\t16.56\t170.562744140625\n"));
        // The table's form is the text function's affair; here, that it comes along.
        QCOMPARE(copied->html().count("<tr>"), 5);
        QVERIFY(copied->html().contains("<td>45</td><td>" + totalLabel() + "</td>"));
        QVERIFY(copied->html().contains("<td>" + shown("94.757080078125") + "</td>"));
        // Copying reads only.
        QCOMPARE(cells(grid), before);
        QCOMPARE(page().recalcCount(), recalcs);
        QCOMPARE(changes, 0);
    }

    void ctrlCInAnOpenEditorCopiesItsSelection() {
        TPlanGrid& grid = this->grid();
        grid.setCurrentIndex(grid.model()->index(0, 3));
        QVERIFY(press("Return", Qt::Key_Return));
        QTRY_VERIFY(grid.editorWidget() && grid.editorWidget()->hasFocus());
        const int recalcs = page().recalcCount();
        QVERIFY(press("ctrl+c", Qt::Key_C));
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->text(), QString("10"));
        QVERIFY(!copied->hasHtml());
        QCOMPARE(page().recalcCount(), recalcs);
        QVERIFY(grid.editorWidget());
    }

    void contextMenuListsItsCommandsAndCopies() {
        TPlanGrid& grid = this->grid();
        // The menu runs its own event loop: its item is clicked from inside it.
        QStringList captions;
        QTimer menuWatch;
        connect(&menuWatch, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible() || menu->actions().isEmpty())
                return;
            menuWatch.stop();
            for (const QAction* item : menu->actions())
                captions << item->text();
            QAction* copy = menu->actions().front();
            test::clickAt(menu, menu->actionGeometry(copy).center());
        });
        menuWatch.start(20);
        const QRect cell = grid.visualRect(grid.model()->index(0, 1));
        QVERIFY(test::pointerTo(grid.viewport()->mapToGlobal(cell.center())));
        QVERIFY(test::xdotool({"click", "3"}));
        QTRY_VERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
        const QStringList expected = russian()
                                         ? QStringList{"Копировать", "Экспорт в PDF…", "Печать…"}
                                         : QStringList{"Copy", "Export as PDF…", "Print…"};
        QCOMPARE(captions, expected);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(russian() ? "Разрешение\t"
                                                                          : "Resolution\t"));
    }

    // Qt's print dialog, once the editor has closed.
    void ctrlPPrintsOnlyWithNoEditorOpen() {
        TPlanGrid& grid = this->grid();
        QSignalSpy prints(&grid, &TPlanGrid::printRequested);
        grid.setCurrentIndex(grid.model()->index(0, 3));
        QVERIFY(press("Return", Qt::Key_Return));
        QTRY_VERIFY(grid.editorWidget() && grid.editorWidget()->hasFocus());
        QVERIFY(press("ctrl+p", Qt::Key_P));
        QCOMPARE(prints.count(), 0);
        QVERIFY(press("Return", Qt::Key_Return));
        QTRY_VERIFY(!grid.editorWidget() && grid.hasFocus());
        watchdog.expectBox();
        QVERIFY(press("ctrl+p", Qt::Key_P));
        QCOMPARE(prints.count(), 1);
        QTRY_COMPARE(watchdog.lastBoxClass(), QStringLiteral("QPrintDialog"));
    }

private:
    TPlanGrid& grid() const { return *calc->findChild<TPlanGrid*>("planGrid"); }
    TPlannerPage& page() const { return *calc->findChild<TPlannerPage*>(); }

    TDesktopPlatform desktop;
    test::ModalWatchdog watchdog;
    std::unique_ptr<TCalc> calc;
};

VANTREL_APP_TEST_MAIN(TestPlanCopy)
#include "tst_plancopy.moc"
