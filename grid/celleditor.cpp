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
    selectAll();
    afterLoad();
}

void TCellEditor::escape() {
    if (m_userModified) {
        setText(m_openingText);
        m_userModified = false;
    }
    m_abandoned = true;
}

bool TCellEditor::wantsKey(const QKeyEvent*) const { return false; }

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
