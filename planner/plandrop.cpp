#include "planner/plandrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace vantrel {

std::optional<QString> droppedPlanFile(const QList<QUrl>& urls) {
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
            m_offered.reset(); // a new drag
            hear(static_cast<QDropEvent*>(event));
            answer(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::DragMove:
            hear(static_cast<QDropEvent*>(event));
            answer(static_cast<QDropEvent*>(event));
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

    // A drag from another program is read from its source on every question.
    // A source that is busy, or slowed down by a screen reader on the bus, may
    // answer the last position only after the drop, and then gives nothing
    // (the drag is over for it), or it may be gone by the drop. A question
    // that gets no answer therefore keeps what this drag said before, so that
    // a drop the user was shown as accepted still loads its plan.
    void hear(const QDropEvent* event) {
        const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
        if (!urls.isEmpty())
            m_offered = droppedPlanFile(urls);
    }

    void drop(QDropEvent* event) {
        hear(event);
        const std::optional<QString> file = std::exchange(m_offered, std::nullopt);
        answer(event, file);
        if (event->isAccepted())
            QMetaObject::invokeMethod(
                this, [this, name = *file] { m_load(name); }, Qt::QueuedConnection);
    }

    void answer(QDropEvent* event) const { answer(event, m_offered); }

    // Accepted as a copy, so that no file manager removes the file after a move;
    // an ignored event shows the user the drop is refused.
    static void answer(QDropEvent* event, const std::optional<QString>& file) {
        if (file && (event->possibleActions() & Qt::CopyAction)) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        } else {
            event->ignore();
        }
    }

    QWidget* m_window;
    std::function<void(const QString&)> m_load;
    std::optional<QString> m_offered; // the plan the drag over the window named
};

} // namespace

void acceptPlanDrops(QWidget* window, std::function<void(const QString& fileName)> load) {
    new PlanDropTarget(window, std::move(load));
}

} // namespace vantrel
