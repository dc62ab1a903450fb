// The grid's delegate: paints cells with the grid's look, creates the column's
// editor, loads it once, commits its result, and handles the keys that leave
// an editor (Tab, Enter, Escape, paging) and the focus leaving it.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace vantrel {

class TPlanGrid;
class TCellEditor;
class TPlatform;

class TGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TGridDelegate(TPlanGrid* grid, TPlatform& platform);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Loads a freshly opened editor; an open editor is never refreshed, so
    // cells written from code while it is open leave it as the user has it.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Runs the editor's leaving check, commits it and closes it.
    void leave(TCellEditor* editor, EndEditHint hint);
    // Closes the editor unless a handler it notified has closed or destroyed it.
    void closeIfOpen(const QPointer<TCellEditor>& editor, EndEditHint hint);

    TPlanGrid* m_grid;
    TPlatform& m_platform; // for the spin editors
};

} // namespace vantrel
