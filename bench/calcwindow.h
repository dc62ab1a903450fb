// The main window as the user has it: created by its own constructor (the
// start-up sequence included), shown, and guarded so that a message box the
// benchmark did not expect is closed and counted instead of blocking the run.
#pragma once

#include "app/calc.h"

#include <QByteArray>
#include <memory>

namespace vantrel::test {
class ModalWatchdog;
}

namespace vantrel::bench {

class CalcWindow {
public:
    CalcWindow();
    ~CalcWindow();

    TCalc& calc() { return *m_calc; }
    // Replaces the rows with count default rows, recalculated as after a load.
    void loadDefaultRows(qsizetype count);
    int unexpectedBoxes() const;

private:
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    std::unique_ptr<TCalc> m_calc;
};

} // namespace vantrel::bench
