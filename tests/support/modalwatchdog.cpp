#include "tests/support/modalwatchdog.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace vantrel::test {

ModalWatchdog::ModalWatchdog() {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::poll);
    m_timer.start(20);
}

void ModalWatchdog::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    m_lastClass = QString::fromLatin1(modal->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        m_lastText = box->text();
    if (!m_expected) {
        ++m_unexpected;
        QTest::qFail("an unexpected modal box appeared", __FILE__, __LINE__);
    }
    m_expected = false;
    modal->close();
}

} // namespace vantrel::test
