// Real keyboard and mouse input through the X server (xdotool), for tests of
// focus, popups, hover and key handling that only show when the server
// delivers the events: a grab, a focus change or a popup closing goes as it
// does for a user.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace vantrel::test {

inline bool xdotool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// Counts the events of one type the program receives, wherever they go; with
// a key, only that key's releases that are not auto-repeats.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type, int key = 0) : m_type(type), m_key(key) {
        qApp->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != m_type)
            return false;
        const auto* key =
            event->type() == QEvent::KeyRelease ? static_cast<QKeyEvent*>(event) : nullptr;
        if (!key || (key->key() == m_key && !key->isAutoRepeat()))
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
    int m_key;
};

// Counts releases of a key: once one is seen, the press before it was handled.
class KeyReleases : public EventCounter {
public:
    explicit KeyReleases(int key) : EventCounter(QEvent::KeyRelease, key) {}
};

// Moves the pointer to a point of the screen and waits until it is there.
inline bool pointerTo(QPoint global) {
    return xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                    QString::number(global.y())}) &&
           QTest::qWaitFor([&] { return QCursor::pos() == global; });
}

// A left click at a point of the screen; true once the program has taken the
// button's release, so everything the click does has happened.
inline bool clickAt(QPoint global) {
    EventCounter releases(QEvent::MouseButtonRelease);
    if (!pointerTo(global) || !xdotool({QStringLiteral("click"), QStringLiteral("1")}))
        return false;
    return QTest::qWaitFor([&] { return releases.count > 0; });
}

inline bool clickAt(const QWidget* w, QPoint local) {
    return clickAt(w->mapToGlobal(local));
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

} // namespace vantrel::test
