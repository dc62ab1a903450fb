// The start-up probes' report: the nanoseconds from the moment the bench
// passed as the first argument to the end of the window's first paint pass,
// printed on its own line, then the probe quits. Both ends read the system's
// monotonic clock, so the span covers creating the process and loading the
// libraries.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace vantrel::bench {

inline qint64 monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(QWidget* window) : m_window(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != m_window && !m_window->isAncestorOf(widget))
            return false;
        m_seen = true;
        // A paint pass paints the window and its children within one event; a
        // zero timer runs once that event, the flush to the screen included, is done.
        QTimer::singleShot(0, this, [] {
            const qint64 since = QCoreApplication::arguments().value(1).toLongLong();
            std::printf("%lld\n", static_cast<long long>(monotonicNanoseconds() - since));
            QCoreApplication::quit();
        });
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

} // namespace vantrel::bench
