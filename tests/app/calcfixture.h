// The main window as each test meets it: a fresh start-up under a fake
// platform, shown, with message boxes watched.
#pragma once

#include "app/calc.h"
#include "planner/plannerpage.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/modalwatchdog.h"

#include <QLocale>
#include <QTest>
#include <memory>

namespace vantrel::test {

struct CalcFixture {
    // A fresh window, and with it a fresh partner rotation.
    void start() {
        platform = std::make_unique<FakePlatform>();
        watchdog = std::make_unique<ModalWatchdog>();
        restart();
        calc->show();
        QVERIFY(QTest::qWaitForWindowExposed(calc.get()));
    }
    // Another window under the same platform, as it stands now.
    void restart() {
        calc.reset();
        calc = std::make_unique<TCalc>(
            *platform, [this](TFileDialog::Kind kind, const QString& proposed) {
                return answer ? answer(kind, proposed) : std::optional<QString>();
            });
    }
    // The window goes first; the boxes it raised must all have been expected.
    void stop() {
        QCOMPARE(watchdog->unexpectedBoxes(), 0);
        calc.reset();
        watchdog.reset();
        platform.reset();
        answer = nullptr;
        QLocale::setDefault(QLocale::system());
    }

    // A control of the window by its object name.
    template <class W = QWidget> W* control(const char* name) const {
        W* found = calc->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    TPlannerPage& page() const { return *control<TPlannerPage>("plannerPage"); }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<ModalWatchdog> watchdog;
    std::unique_ptr<TCalc> calc;
    // Answers the planner's open and save dialogs; unset: Cancel.
    TFileDialog::Chooser answer;
};

} // namespace vantrel::test
