// The grid's table model: the top-level rows (owned) shown through the grid's
// columns (not owned). Cells are texts; the model formats nothing.
#pragma once

#include "grid/gridrow.h"

#include <QAbstractTableModel>
#include <vector>

namespace vantrel {

class TGridColumn;

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TGridModel(QObject* parent = nullptr);
    ~TGridModel() override;

    void addColumn(TGridColumn* column);
    TGridColumn* column(int cellIndex) const;
    void columnChanged(int cellIndex);

    const TGridRowList& rows() const { return m_rows; }
    TGridRow* rowAt(int index) const;
    // The position of a top-level row, or -1; looks at the hint first.
    int rowIndex(const TGridRow* row, int hint = -1) const;
    TGridRow* appendRow();
    void deleteRowAt(int index);
    void clearRows();
    void replaceRows(TGridRowList rows);

    // Stores a cell text. Outside a deferral the changed cell is announced
    // (the delegate keeps it out of an open editor); inside one, a single
    // announcement of the whole table follows when the deferral ends.
    void setCellText(TGridRow* row, int cellIndex, const QByteArray& text);
    void setDeferred(bool deferred);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What a cell shows and what an editor opens with are its text's start
    // only: more than any column can show, more than an editor holds.
    static constexpr qsizetype kShownBytes = 4096;
    static constexpr qsizetype kEditorBytes = 3 * 32767;
    // Whether the cell's whole text is this text, without converting a text
    // that cannot be it.
    bool cellTextIs(const QModelIndex& index, const QString& text) const;

private:
    bool isCell(const QModelIndex& index) const;

    TGridRowList m_rows;
    std::vector<TGridColumn*> m_columns;
    bool m_deferred = false;
    bool m_changedWhileDeferred = false;
};

} // namespace vantrel
