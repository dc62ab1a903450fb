// The in-place editor of a grid cell: a line edit that reports each change of
// its text made by the user, never the loading of the cell's value.
#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace vantrel {

class TGridColumn;

class TCellEditor : public QLineEdit {
    Q_OBJECT
public:
    TCellEditor(TGridColumn* column, QWidget* parent);

    TGridColumn* column() const { return m_column; }

    // Loads the cell's text into the freshly opened editor, once; raises no
    // notification. Later calls (a view refreshing an open editor) do nothing.
    void load(const QString& cellText);
    bool isLoaded() const { return m_loaded; }

    // The text the cell receives when the editor commits.
    virtual QString result() const { return text(); }
    // Whether the editor opens with the cell's text in another form (so that
    // committing it unchanged still rewrites the cell).
    virtual bool rewritesCellText() const { return false; }
    // The check when the user leaves with Tab, Enter, Page Up or Page Down.
    virtual void finishEditing() {}
    // Escape: puts back the opening text when the user changed it (one
    // notification) and marks the editor abandoned, so it never commits.
    void escape();
    bool isAbandoned() const { return m_abandoned; }
    // The user changed the text since the editor opened (or since Escape).
    bool isUserModified() const { return m_userModified; }
    // Whether the editor wants this key itself, before the grid's handling of
    // Tab, Enter, Escape and the paging and row keys.
    virtual bool wantsKey(const QKeyEvent* event) const;
    // Closing: the grid no longer counts the editor as open.
    void markClosed() { m_closed = true; }
    bool isOpen() const { return m_loaded && !m_closed; }

    // Selects the whole text with the caret at its start.
    void selectAllShowingStart();

signals:
    // Each change of the text, made by the user, while the editor is open.
    void userChanged(vantrel::TCellEditor* editor);

protected:
    void showEvent(QShowEvent* event) override;
    // The text the editor shows for a cell's text.
    virtual QString openingTextFor(const QString& cellText) const { return cellText; }
    virtual void afterLoad() {}

private:
    void onTextChanged(const QString& text);

    TGridColumn* m_column;
    QString m_openingText;
    QString m_lastText;
    bool m_loading = false;
    bool m_loaded = false;
    bool m_userModified = false;
    bool m_abandoned = false;
    bool m_closed = false;
    bool m_shown = false;
};

} // namespace vantrel
