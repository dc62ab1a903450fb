// Where the keyboard is when the program starts. Needs a real X server with a
// window manager: the focus lands when the window manager first activates the
// window, which the offscreen platform only imitates.
#include "app/calc.h"
#include "grid/plangrid.h"
#include "tests/app/calcfixture.h"

#include <QApplication>
#include <QTest>

using namespace vantrel;

class TestStartFocus : public QObject {
    Q_OBJECT
private slots:
    void gridHasTheKeyboardOnItsFirstCell() {
        test::CalcFixture f;
        f.start();
        QVERIFY(QTest::qWaitForWindowActive(f.calc.get()));
        auto* grid = f.control<TPlanGrid>("planGrid");
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
        QCOMPARE(grid->editorWidget(), nullptr);
        f.stop();
    }
};

QTEST_MAIN(TestStartFocus)
#include "tst_startfocus.moc"
