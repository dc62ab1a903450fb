// Real pointer input through the X server (xdotool), for behaviour that shows
// only with the window system's own delivery: popup grabs, hover, focus.
#pragma once

#include <QApplication>
#include <QCursor>
#include <QPoint>
#include <QProcess>
#include <QTest>

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

// Moves the pointer to a point of the screen and waits until it is there.
inline bool pointerTo(QPoint global) {
    return xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                    QString::number(global.y())}) &&
           QTest::qWaitFor([&] { return QCursor::pos() == global; });
}

// Counts the mouse releases the program receives, wherever they go.
class ReleaseCounter : public QObject {
public:
    ReleaseCounter() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            ++count;

        return false;
    }
};

// A left click at a point of the screen; true once the program has taken the
// button's release, so everything the click does has happened.
inline bool clickAt(QPoint global) {
    ReleaseCounter releases;
    if (!pointerTo(global) || !xdotool({QStringLiteral("click"), QStringLiteral("1")}))
        return false;
    return QTest::qWaitFor([&] { return releases.count > 0; });
}

} // namespace vantrel::test
