// The application object: the error box's text rule, errors escaping event
// handlers, and the desktop's bell.
#include "app/application.h"
#include "platform/ui/errorbox.h"
#include "tests/app/appmain.h"
#include "tests/support/modalwatchdog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vantrel;

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void appendsAFullStopOnlyAfterHigherCharacters_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Stream read error"
                                << "Stream read error.";
        QTest::newRow("digit") << "code 7"
                               << "code 7.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("exclamation") << "Stop!"
                                     << "Stop!";
        QTest::newRow("quote") << "file \"a\""
                               << "file \"a\"";
        QTest::newRow("slash sorts after") << "a/"
                                           << "a/.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void appendsAFullStopOnlyAfterHigherCharacters() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void errorEscapingAnEventHandlerIsShownAndTheProgramGoesOn() {
        // A widget whose mouse handler throws, as an unguarded handler can.
        struct Throwing : QPushButton {
            void mousePressEvent(QMouseEvent*) override { throw EError("Stream write error"); }
        } button;
        button.show();
        test::ModalWatchdog watchdog;
        watchdog.expectBox();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(watchdog.lastBoxText(), QString("Stream write error."));
        QCOMPARE(watchdog.unexpectedBoxes(), 0);
        QVERIFY(button.isVisible());
    }

    void reportErrorsShowsAndSwallowErrorsIsSilent() {
        test::ModalWatchdog watchdog;
        watchdog.expectBox();
        bool after = false;
        reportErrors([] { throw EError("Cannot open file \"x\". No such file"); });
        after = true;
        QVERIFY(after);
        QCOMPARE(watchdog.lastBoxText(), QString("Cannot open file \"x\". No such file."));
        QVERIFY(!swallowErrors([] { throw EError("quiet"); }));
        QVERIFY(swallowErrors([] {}));
        QCOMPARE(watchdog.unexpectedBoxes(), 0);
    }

    void applicationRingsTheDesktopBell() {
        // The desktop platform's beep has no other way to the bell.
        QVERIFY(dynamic_cast<TDesktopBell*>(QCoreApplication::instance()));
    }
};

VANTREL_APP_TEST_MAIN(TestErrorBox)
#include "tst_errorbox.moc"
