// Fails the running test when a modal box appears that the test did not
// expect, and closes it so the test cannot hang. A test that expects a box
// takes it with expectBox().
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace vantrel::test {

class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    ModalWatchdog();
    // The next modal box is expected: it is closed and its text recorded.
    void expectBox() { m_expected = true; }
    QString lastBoxText() const { return m_lastText; }
    // The class of the last box closed, message box or dialog.
    QString lastBoxClass() const { return m_lastClass; }
    int unexpectedBoxes() const { return m_unexpected; }

private:
    void poll();
    QTimer m_timer;
    bool m_expected = false;
    QString m_lastText;
    QString m_lastClass;
    int m_unexpected = 0;
};

} // namespace vantrel::test
