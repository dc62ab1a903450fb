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
        case QEvent::DragMove:
            answer(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::Drop:
            if (const auto file = answer(static_cast<QDropEvent*>(event)))
                QMetaObject::invokeMethod(
                    this, [this, name = *file] { m_load(name); }, Qt::QueuedConnection);
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

    // Accepted as a copy, so that no file manager removes the file after a move;
    // an ignored event shows the user the drop is refused.
    static std::optional<QString> answer(QDropEvent* event) {
        std::optional<QString> file;
        if (event->mimeData() && (event->possibleActions() & Qt::CopyAction))
            file = droppedPlanFile(*event->mimeData());
        if (file) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        } else {
            event->ignore();
        }
        return file;
    }

    QWidget* m_window;
    std::function<void(const QString&)> m_load;
};

} // namespace

void acceptPlanDrops(QWidget* window, std::function<void(const QString& fileName)> load) {
    new PlanDropTarget(window, std::move(load));
}

} // namespace vantrel
