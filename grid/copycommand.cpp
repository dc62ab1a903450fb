// The grid's Copy command: Ctrl+C and a context menu item. What is copied is
// the owner's business; the grid only says when.
#include "grid/plangrid.h"

#include <QAction>

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
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, [this] {
        if (!editorWidget())
            emit copyRequested();
    });
}

} // namespace vantrel
