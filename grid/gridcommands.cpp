// The grid's commands: Copy (Ctrl+C), Export as PDF and Print (Ctrl+P), in
// a context menu opened by the mouse, the Menu key or Shift+F10. What is
// copied, exported or printed is the owner's business; the grid only says when.
#include "grid/plangrid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>

namespace vantrel {

QAction* TPlanGrid::addCommand(const char* name, const QString& caption,
                               void (TPlanGrid::*request)()) {
    auto* action = new QAction(caption, this);
    // Named so that the window's caption translation reaches it.
    action->setObjectName(QString::fromLatin1(name));
    addAction(action);
    // An open editor's text is not yet the cell's: the commands wait for it.
    connect(action, &QAction::triggered, this, [this, request] {
        if (!editorWidget())
            emit(this->*request)();
    });
    return action;
}

void TPlanGrid::addMenuCommands() {
    QAction* copy = addCommand("miCopy", QStringLiteral("Copy"), &TPlanGrid::copyRequested);
    copy->setShortcuts(QKeySequence::Copy);
    // Only while the grid itself has the keyboard: an open editor (a child)
    // keeps Ctrl+C for its own selected text.
    copy->setShortcutContext(Qt::WidgetShortcut);
    addCommand("miExportPdf", QStringLiteral("Export as PDF…"), &TPlanGrid::exportPdfRequested);
    QAction* print = addCommand("miPrint", QStringLiteral("Print…"), &TPlanGrid::printRequested);
    print->setShortcuts(QKeySequence::Print);
    print->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TPlanGrid::showContextMenu);
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
