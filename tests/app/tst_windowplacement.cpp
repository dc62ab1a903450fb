// The window opens at its designed place and size, or, where the screen's
// available area is too small for that, moved and made smaller just enough to
// be seen whole. Run under a
// real X server with a window manager, as only there the window has a frame
// whose size the program learns after showing it; CTest runs it on the
// default screen and on a small one scaled by 1.25 and by 2, where the
// designed size does not fit and the window opens smaller.
#include "app/application.h"
#include "app/calc.h"
#include "tests/app/appmain.h"
#include "tests/app/calcfixture.h"

#include <QScreen>

using namespace vantrel;

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { m.stop(); }

    void windowIsSeenWholeAndMovedNoMoreThanNeeded() {
        m.start();
        QWidget& window = *m.calc;
        QTRY_VERIFY(window.frameGeometry() != window.geometry()); // the frame is known
        const QRect available = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const QString where = QStringLiteral("frame %1,%2 %3x%4 in %5x%6")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(available.width())
                                  .arg(available.height());
        QTRY_VERIFY2(available.contains(window.frameGeometry()), qPrintable(where));
        // Along each axis: at the designed place where the frame fits there,
        // else against the far edge of the available area.
        if (kDesignPosition.x() + frame.width() <= available.right() + 1)
            QCOMPARE(window.frameGeometry().x(), kDesignPosition.x());
        else
            QCOMPARE(window.frameGeometry().right(), available.right());
        if (kDesignPosition.y() + frame.height() <= available.bottom() + 1)
            QCOMPARE(window.frameGeometry().y(), kDesignPosition.y());
        else
            QCOMPARE(window.frameGeometry().bottom(), available.bottom());
        // The designed size where its frame fits, else as much as fits, but
        // never below the minimum.
        const QSize margins = frame.size() - window.size();
        const QSize room = available.size() - margins;
        QCOMPARE(window.size(), kDesignClientSize.boundedTo(room).expandedTo(kMinimumClientSize));
    }

private:
    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
