#include "bench/calcwindow.h"

#include "bench/rowfiles.h"
#include "grid/plangrid.h"
#include "planner/plannerpage.h"
#include "tests/support/modalwatchdog.h"

#include <QApplication>
#include <QBuffer>
#include <QTest>

namespace vantrel::bench {

CalcWindow::CalcWindow()
    : m_watchdog(std::make_unique<test::ModalWatchdog>()), m_calc(std::make_unique<TCalc>()) {
    m_calc->show();
    QApplication::setActiveWindow(m_calc.get());
    (void)QTest::qWaitForWindowExposed(m_calc.get());
    QApplication::processEvents();
}

CalcWindow::~CalcWindow() {
    m_calc.reset();
}

void CalcWindow::loadDefaultRows(qsizetype count) {
    QByteArray bytes = defaultRowStream(count);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    m_calc->plannerPage->planGrid->ReadRows(buffer);
    m_calc->plannerPage->RecalcFocusedRow();
    QApplication::processEvents();
}

int CalcWindow::unexpectedBoxes() const {
    return m_watchdog->unexpectedBoxes();
}

} // namespace vantrel::bench
