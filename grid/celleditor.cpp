// The in-place editor's loading, change reporting and Escape.
#include "grid/celleditor.h"

#include <QKeyEvent>

namespace vantrel {

TCellEditor::TCellEditor(TGridColumn* column, QWidget* parent)
    : QLineEdit(parent), m_column(column) {
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, &TCellEditor::onTextChanged);
}

void TCellEditor::load(const QString& cellText) {
    if (m_loaded)
        return;
    m_loading = true;
    setText(openingTextFor(cellText));
    m_loading = false;
    m_openingText = m_lastText = text();
    m_loaded = true;
    m_userModified = false;
    selectAllShowingStart();
    afterLoad();
}

void TCellEditor::selectAllShowingStart() {
    // The caret at the start, so a text wider than the cell shows its beginning.
    setSelection(int(text().size()), -int(text().size()));
}

void TCellEditor::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    // The view selects an opened editor's text with the caret at the end;
    // take it back to the start.
    if (!m_shown && m_loaded && hasSelectedText() && selectedText() == text())
        selectAllShowingStart();
    m_shown = true;
}

void TCellEditor::escape() {
    if (m_userModified) {
        setText(m_openingText);
        m_userModified = false;
    }
    m_abandoned = true;
}

bool TCellEditor::wantsKey(const QKeyEvent*) const {
    return false;
}

void TCellEditor::onTextChanged(const QString& text) {
    if (m_loading || !m_loaded || m_closed) {
        m_lastText = text;
        return;
    }
    if (text == m_lastText)
        return;
    m_lastText = text;
    m_userModified = true;
    emit userChanged(this);
}

} // namespace vantrel
