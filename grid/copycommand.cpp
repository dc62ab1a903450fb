// The grid's Copy command: Ctrl+C and a context menu item, the menu opened
// by the mouse, the Menu key or Shift+F10. What is copied is
// the owner's business; the grid only says when.
#include "grid/plangrid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>

namespace vantrel {

void TPlanGrid::addCopyCommand() {
    // Named so that the window's caption translation reaches it.
    auto* copy = new QAction(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("miCopy"));
    copy->setShortcuts(QKeySequence::Copy);
    // Only while the grid itself has the keyboard: an open editor (a child)
    // keeps Ctrl+C for its own selected text.
    copy->setShortcutContext(Qt::WidgetShortcut);
    addAction(copy);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TPlanGrid::showContextMenu);
    connect(copy, &QAction::triggered, this, [this] {
        if (!editorWidget())
            emit copyRequested();
    });
}

void TPlanGrid::showContextMenu(QPoint viewportPos) {
    QMenu menu(this);
    // A menu is a window of its own and would take the desktop's font.
    menu.setFont(font());
    menu.addActions(actions());
    menu.exec(viewport()->mapToGlobal(viewportPos));
}

void TPlanGrid::openContextMenuFromKeyboard() {
    const QRect cell = visualRect(currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport(), &event);
}

} // namespace vantrel
