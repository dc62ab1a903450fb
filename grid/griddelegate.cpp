// The grid's delegate.
#include "grid/griddelegate.h"

#include "grid/cellcolours.h"
#include "grid/celleditor.h"
#include "grid/gridcolumn.h"
#include "grid/gridlook.h"
#include "grid/gridmodel.h"
#include "grid/pickeditor.h"
#include "grid/plangrid.h"
#include "grid/spineditor.h"
#include "platform/ui/legibility.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace vantrel {

TGridDelegate::TGridDelegate(TPlanGrid* grid, TPlatform& platform)
    : QStyledItemDelegate(grid), m_grid(grid), m_platform(platform) {}

void TGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const TGridColumn* column = m_grid->column(index.column());
    const QRect cell = option.rect.adjusted(0, 0, -1, -kRowSeparatorWidth);
    const QModelIndex current = m_grid->currentIndex();
    const bool focusedRow = current.isValid() && current.row() == index.row();
    const bool active = m_grid->hasFocusWithin();

    QColor background = column && column->color().isValid() ? column->color()
                                                            : option.palette.color(QPalette::Base);
    QColor foreground = option.palette.color(QPalette::Text);
    const bool highlighted = focusedRow && active;
    if (highlighted) {
        background = option.palette.color(QPalette::Active, QPalette::Highlight);
        foreground = option.palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        if (focusedRow)
            background = hideSelectionColor();
        if (option.state & QStyle::State_MouseOver)
            background = hoverTint(background);
        // The grid's own light colours keep a dark text under a dark scheme.
        foreground = legibleText(foreground, background);
    }
    painter->save();
    painter->fillRect(cell, background);
    painter->setPen(foreground);
    painter->setFont(option.font);
    painter->setClipRect(cell);
    // The model gives a bounded start of the text; only what fits is laid out.
    const QRect textRect = cell.adjusted(3, 0, -2, 0);
    const QString text =
        painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                          textRect.width(), Qt::TextSingleLine);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->setClipping(false);
    if (focusedRow && active && current == index) {
        painter->setPen(QPen(foreground, 1, Qt::DotLine));
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
    }
    // Cell borders: one pixel on the right, the row separator below.
    const QColor line = gridLineColor();
    painter->fillRect(QRect(option.rect.right(), option.rect.top(), 1, option.rect.height()), line);
    painter->fillRect(QRect(option.rect.left(), option.rect.bottom() - kRowSeparatorWidth + 1,
                            option.rect.width(), kRowSeparatorWidth),
                      line);
    painter->restore();
}

QWidget* TGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    TGridColumn* column = m_grid->column(index.column());
    if (!column || column->readOnly())
        return nullptr;
    TCellEditor* editor = nullptr;
    switch (column->kind()) {
    case TGridColumn::Kind::Pick:
        editor = new TPickCellEditor(static_cast<TGridPickColumn*>(column), parent);
        break;
    case TGridColumn::Kind::Spin:
        editor = new TSpinCellEditor(static_cast<TGridSpinColumn*>(column), m_platform, parent);
        break;
    case TGridColumn::Kind::Text:
        editor = new TCellEditor(column, parent);
        break;
    }
    editor->setFont(m_grid->font());
    connect(editor, &TCellEditor::userChanged, m_grid, &TPlanGrid::editorTextChangedByUser);
    m_grid->editorOpened(editor);
    return editor;
}

void TGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* cellEditor = qobject_cast<TCellEditor*>(editor);
    if (!cellEditor || cellEditor->isLoaded())
        return;
    cellEditor->load(index.data(Qt::EditRole).toString());
}

void TGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    auto* cellEditor = qobject_cast<TCellEditor*>(editor);
    if (!cellEditor || !cellEditor->isOpen() || cellEditor->isAbandoned())
        return;
    // An untouched editor that shows the cell's own text leaves the cell as it
    // is: it may hold only the start of a long text.
    if (!cellEditor->isUserModified() && !cellEditor->rewritesCellText())
        return;
    // Unchanged display text keeps the cell's bytes exactly as they are.
    const QString result = cellEditor->result();
    if (!m_grid->gridModel()->cellTextIs(index, result))
        model->setData(index, result, Qt::EditRole);
}

void TGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    editor->setGeometry(option.rect.adjusted(0, 0, -1, -kRowSeparatorWidth));
}

void TGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (auto* cellEditor = qobject_cast<TCellEditor*>(editor))
        cellEditor->markClosed();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TGridDelegate::leave(TCellEditor* editor, EndEditHint hint) {
    QPointer<TCellEditor> guard(editor);
    editor->finishEditing(); // may notify; a handler may even close the editor
    if (!guard || !guard->isOpen())
        return;
    emit commitData(editor);
    closeIfOpen(guard, hint);
}

void TGridDelegate::closeIfOpen(const QPointer<TCellEditor>& editor, EndEditHint hint) {
    if (!editor || !editor->isOpen())
        return;
    editor->markClosed();
    emit closeEditor(editor, hint);
}

bool TGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<TCellEditor*>(object);
    if (!editor)
        return QStyledItemDelegate::eventFilter(object, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (editor->wantsKey(key) || !editor->isOpen())
            return false;
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Tab:
            leave(editor, shift ? EditPreviousItem : EditNextItem);
            return true;
        case Qt::Key_Backtab:
            leave(editor, EditPreviousItem);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            leave(editor, NoHint);
            return true;
        case Qt::Key_Escape: {
            QPointer<TCellEditor> guard(editor);
            editor->escape(); // may notify
            closeIfOpen(guard, RevertModelCache);
            return true;
        }
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // Keys that move to another row: leave the editor, then the grid moves.
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            leave(editor, NoHint);
            QCoreApplication::sendEvent(m_grid, &copy);
            return true;
        }
        default:
            return false;
        }
    }
    case QEvent::FocusOut: {
        auto* focus = static_cast<QFocusEvent*>(event);
        // A popup, or the window losing activation (another window, or only
        // for a moment while the window manager hands the focus back from the
        // closed list), takes the focus away for a while: the editor stays
        // open and has it again when the window is active.
        if (focus->reason() == Qt::PopupFocusReason ||
            focus->reason() == Qt::ActiveWindowFocusReason || !editor->isOpen())
            return false;
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (w == editor)
                return false; // focus moved inside the editor (or its list)
        // Leaving by a click elsewhere: commit as it stands, no leaving check.
        QPointer<TCellEditor> guard(editor);
        emit commitData(editor);
        closeIfOpen(guard, NoHint);
        return false;
    }
    default:
        return false;
    }
}

} // namespace vantrel
