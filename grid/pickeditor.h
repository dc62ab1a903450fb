// The pick-list editor of a pick column: in drop-down-list style only Items
// can be chosen, from a list that opens as soon as the user types and that
// searches incrementally for an item beginning with the typed characters.
#pragma once

#include "grid/celleditor.h"

class QListWidget;
class QToolButton;

namespace vantrel {

class TGridPickColumn;
class TPickPopup;

class TPickCellEditor : public TCellEditor {
    Q_OBJECT
public:
    TPickCellEditor(TGridPickColumn* column, QWidget* parent);

    // The drop-down button at the right end, where a click also opens the list.
    static constexpr int kButtonWidth = 16;

    void openList();
    void closeList();
    bool isListOpen() const;
    // The list of the drop-down window; exists while the editor does.
    QListWidget* list() const { return m_list; }
    // Makes an item the editor's text, as the user's choice.
    void choose(int item);

    bool wantsKey(const QKeyEvent* event) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& typed);
    void highlightText();
    void moveHighlight(int key);
    int visibleRows() const;

    TGridPickColumn* m_pick;
    TPickPopup* m_popup;
    QListWidget* m_list;
    QToolButton* m_button;
    QString m_typed; // the characters of the incremental search so far
};

} // namespace vantrel
