#include "platform/ui/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vantrel {

namespace {

int fitted(int position, int length, int first, int end) {
    return std::max(first, std::min(position, end - length));
}

QRect availableAt(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void fitInto(QWidget* window, QRect designed, const QRect& available, const QMargins& frame) {
    window->resize(fittedSize(designed.size(), window->minimumSize(), available, frame));
    window->move(
        fittedPosition(QRect(designed.topLeft(), window->size().grownBy(frame)), available));
}

// Places the window again once its real frame is known, then lets go of it:
// later moves are the user's.
class FrameWatch : public QObject {
public:
    // designed: the client area's designed place and size.
    FrameWatch(QWidget* window, QRect designed) : QObject(window), m_designed(designed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->frameGeometry() != window->geometry()) {
            window->removeEventFilter(this);
            if (const QRect available = availableAt(m_designed.topLeft()); available.isValid())
                fitInto(window, m_designed, available, frameMargins(window));
            deleteLater();
        }
        return false;
    }

private:
    QRect m_designed;
};

} // namespace

QPoint fittedPosition(const QRect& frame, const QRect& available) {
    return {fitted(frame.x(), frame.width(), available.x(), available.x() + available.width()),
            fitted(frame.y(), frame.height(), available.y(), available.y() + available.height())};
}

QSize fittedSize(QSize client, QSize minimum, const QRect& available, const QMargins& frame) {
    return client.boundedTo(available.size().shrunkBy(frame)).expandedTo(minimum);
}

void placeOnScreen(QWidget* window, QPoint designed, const QMargins& expectedFrame) {
    const QRect design(designed, window->size());
    const QRect available = availableAt(designed);
    if (available.isValid())
        fitInto(window, design, available, expectedFrame);
    else
        window->move(designed);
    new FrameWatch(window, design);
}

} // namespace vantrel
