// Real keyboard and mouse input through the X server (xdotool), for tests of
// focus, popups and key handling that only show when the server delivers the
// events: a grab, a focus change or a popup closing goes as it does for a user.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProcess>
#include <QWidget>

namespace vantrel::test {

inline bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

inline bool clickAt(const QWidget* w, QPoint local) {
    const QPoint at = w->mapToGlobal(local);
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                    QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

inline bool click(const QWidget* w) {
    return clickAt(w, w->rect().center());
}

// The drop-down arrow at the right end of a combo box.
inline bool clickArrow(const QComboBox* combo) {
    return clickAt(combo, QPoint(combo->width() - 6, combo->height() / 2));
}

// Clicks an item of a combo box's open list.
inline bool clickItem(const QComboBox* combo, int row) {
    QAbstractItemView* view = combo->view();
    const QModelIndex index = combo->model()->index(row, 0);
    view->scrollTo(index);
    return clickAt(view->viewport(), view->visualRect(index).center());
}

inline bool typeText(const QString& text) {
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

inline bool pressKey(const QString& keys) {
    return xdotool({QStringLiteral("key"), keys});
}

// Counts releases of a key anywhere in the application: once the release is
// seen, the press before it has been handled.
class KeyReleases : public QObject {
public:
    explicit KeyReleases(int key) : m_key(key) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(e)->key() == m_key &&
            !static_cast<QKeyEvent*>(e)->isAutoRepeat())
            ++count;
        return false;
    }

private:
    int m_key;
};

} // namespace vantrel::test
