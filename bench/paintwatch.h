// Paint events as the benchmarks need to see them: a count of the paints a
// widget receives, and a call once a window has been shown and painted.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vantrel::bench {

// Counts the paint events that reach one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_count = 0;
};

// Calls done once, after the first paint pass over the window has finished:
// the window and every child it paints then are on its surface.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_done;
    bool m_seen = false;
};

} // namespace vantrel::bench
