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

// Places the window again once its real frame is known, then lets go of it:
// later moves are the user's.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, QPoint designed) : QObject(window), m_designed(designed) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->frameGeometry() != window->geometry()) {
            const QRect frame(m_designed, window->frameGeometry().size());
            const QRect available = availableAt(m_designed);
            window->removeEventFilter(this);
            if (available.isValid())
                window->move(fittedPosition(frame, available));
            deleteLater();
        }
        return false;
    }

private:
    QPoint m_designed;
};

} // namespace

QPoint fittedPosition(const QRect& frame, const QRect& available) {
    return {fitted(frame.x(), frame.width(), available.x(), available.x() + available.width()),
            fitted(frame.y(), frame.height(), available.y(), available.y() + available.height())};
}

void placeOnScreen(QWidget* window, QPoint designed, const QMargins& expectedFrame) {
    const QRect frame(designed, window->size().grownBy(expectedFrame));
    const QRect available = availableAt(designed);
    window->move(available.isValid() ? fittedPosition(frame, available) : designed);
    new FrameWatch(window, designed);
}

} // namespace vantrel
