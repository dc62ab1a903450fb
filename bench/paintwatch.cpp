#include "bench/paintwatch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace vantrel::bench {

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++m_count;
    return false;
}

FirstPaintWatch::FirstPaintWatch(QWidget* window, std::function<void()> done)
    : m_window(window), m_done(std::move(done)) {
    qApp->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!m_window || (widget != m_window && !m_window->isAncestorOf(widget)))
        return false;
    m_seen = true;
    qApp->removeEventFilter(this);
    // A paint pass paints the window and its children within one event; a
    // zero timer runs once that event, the flush to the screen included, is done.
    QTimer::singleShot(0, this, [this] { m_done(); });
    return false;
}

} // namespace vantrel::bench
