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
        calc = std::make_unique<TCalc>();
        calc->show();
        QVERIFY(QTest::qWaitForWindowExposed(calc.get()));
    }
    // The window goes first; the boxes it raised must all have been expected.
    void stop() {
        QCOMPARE(watchdog->unexpectedBoxes(), 0);
        calc.reset();
        watchdog.reset();
        platform.reset();
        QLocale::setDefault(QLocale::system());
    }

    TPlannerPage& page() const { return *calc->plannerPage; }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<ModalWatchdog> watchdog;
    std::unique_ptr<TCalc> calc;
};

} // namespace vantrel::test
