#include "planner/plandrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace vantrel {

std::optional<QString> droppedPlanFile(const QMimeData& mime) {
    const QList<QUrl> urls = mime.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QFileInfo file(urls.front().toLocalFile());
    if (file.suffix().compare(u"ip", Qt::CaseInsensitive) != 0 || file.isDir())
        return std::nullopt;
    return file.filePath();
}

namespace {

// Watches the window's native window, which every drag over the window
// reaches before any of its widgets: a widget made later (a cell editor)
// takes no drop of its own either.
class PlanDropTarget : public QObject {
public:
    PlanDropTarget(QWidget* window, std::function<void(const QString&)> load)
        : QObject(window), m_window(window), m_load(std::move(load)) {
        if (!watchNativeWindow())
            window->installEventFilter(this); // until it is shown
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window) {
            if (event->type() == QEvent::Show && watchNativeWindow())
                m_window->removeEventFilter(this);
            return false;
        }
        switch (event->type()) {
        case QEvent::DragEnter:
            m_offered = offeredPlanFile(static_cast<QDropEvent*>(event));
            answer(static_cast<QDropEvent*>(event), m_offered);
            return true;
        case QEvent::DragMove:
            if (!m_offered) // the source may not have answered yet
                m_offered = offeredPlanFile(static_cast<QDropEvent*>(event));
            answer(static_cast<QDropEvent*>(event), m_offered);
            return true;
        case QEvent::DragLeave:
            m_offered.reset();
            return false;
        case QEvent::Drop:
            drop(static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    bool watchNativeWindow() {
        QWindow* native = m_window->windowHandle();
        if (native)
            native->installEventFilter(this);
        return native;
    }

    // A drag from another program is read from its source on every question,
    // a round trip that a busy desktop or a screen reader on the bus slows
    // down; an answer that comes after the drop is refused by the source, and
    // refusing the drag then loses a drop the user was shown as accepted. So
    // the source is asked until it names the plan, and the drop takes the
    // plan that was accepted while the drag hovered.
    static std::optional<QString> offeredPlanFile(const QDropEvent* event) {
        if (!event->mimeData())
            return std::nullopt;
        return droppedPlanFile(*event->mimeData());
    }

    void drop(QDropEvent* event) {
        const auto file = m_offered ? m_offered : offeredPlanFile(event);
        m_offered.reset();
        if (answer(event, file))
            QMetaObject::invokeMethod(
                this, [this, name = *file] { m_load(name); }, Qt::QueuedConnection);
    }

    // Accepted as a copy, so that no file manager removes the file after a move;
    // an ignored event shows the user the drop is refused.
    static bool answer(QDropEvent* event, const std::optional<QString>& file) {
        if (file && (event->possibleActions() & Qt::CopyAction)) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
            return true;
        }
        event->ignore();
        return false;
    }

    QWidget* m_window;
    std::function<void(const QString&)> m_load;
    std::optional<QString> m_offered; // the plan the drag over the window carries
};

} // namespace

void acceptPlanDrops(QWidget* window, std::function<void(const QString& fileName)> load) {
    new PlanDropTarget(window, std::move(load));
}

} // namespace vantrel
