// The grid's table model.
#include "grid/gridmodel.h"

#include "grid/celltext.h"
#include "grid/gridcolumn.h"

#include <QBrush>

namespace vantrel {

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TGridModel::~TGridModel() = default;

void TGridModel::addColumn(TGridColumn* column) {
    const int at = int(m_columns.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_columns.push_back(column);
    endInsertColumns();
}

TGridColumn* TGridModel::column(int cellIndex) const {
    if (cellIndex < 0 || cellIndex >= int(m_columns.size()))
        return nullptr;
    return m_columns[std::size_t(cellIndex)];
}

void TGridModel::columnChanged(int cellIndex) {
    emit headerDataChanged(Qt::Horizontal, cellIndex, cellIndex);
}

TGridRow* TGridModel::rowAt(int index) const {
    if (index < 0 || index >= int(m_rows.size()))
        return nullptr;
    return m_rows[std::size_t(index)].get();
}

int TGridModel::rowIndex(const TGridRow* row, int hint) const {
    if (!row)
        return -1;
    if (hint >= 0 && hint < int(m_rows.size()) && m_rows[std::size_t(hint)].get() == row)
        return hint;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].get() == row)
            return int(i);
    return -1;
}

TGridRow* TGridModel::appendRow() {
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::make_unique<TGridRow>());
    endInsertRows();
    return m_rows.back().get();
}

void TGridModel::deleteRowAt(int index) {
    if (index < 0 || index >= int(m_rows.size()))
        return;
    beginRemoveRows(QModelIndex(), index, index);
    std::unique_ptr<TGridRow> gone = std::move(m_rows[std::size_t(index)]);
    m_rows.erase(m_rows.begin() + index);
    endRemoveRows();
}

void TGridModel::clearRows() {
    replaceRows({});
}

void TGridModel::replaceRows(TGridRowList rows) {
    beginResetModel();
    m_rows.swap(rows);
    endResetModel();
    // The old rows are released here, after the views have let go of them.
}

void TGridModel::setCellText(TGridRow* row, int cellIndex, const QByteArray& text) {
    if (!row || cellIndex < 0)
        return;
    if (row->textCount() > cellIndex && row->textView(cellIndex) == QByteArrayView(text))
        return;
    row->setText(cellIndex, text);
    if (cellIndex >= int(m_columns.size()))
        return; // no column shows it
    if (m_deferred) {
        m_changedWhileDeferred = true;
        return;
    }
    const int r = rowIndex(row);
    if (r < 0)
        return; // a sub-row: not shown
    const QModelIndex changed = index(r, cellIndex);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void TGridModel::setDeferred(bool deferred) {
    m_deferred = deferred;
    if (deferred || !m_changedWhileDeferred)
        return;
    m_changedWhileDeferred = false;
    if (!m_rows.empty() && !m_columns.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::EditRole});
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool TGridModel::isCell(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < int(m_rows.size()) &&
           index.column() < int(m_columns.size());
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!isCell(index))
        return {};
    const TGridRow* row = m_rows[std::size_t(index.row())].get();
    switch (role) {
    case Qt::DisplayRole: {
        bool cut = false;
        const QString start = cellTextStart(row->textView(index.column()), kShownBytes, &cut);
        return cut ? start + QChar(0x2026) : start; // an ellipsis for the rest
    }
    case Qt::EditRole:
        return cellTextStart(row->textView(index.column()), kEditorBytes);
    case Qt::BackgroundRole: {
        const QColor color = m_columns[std::size_t(index.column())]->color();
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    default:
        return {};
    }
}

bool TGridModel::cellTextIs(const QModelIndex& index, const QString& text) const {
    if (!isCell(index))
        return false;
    const QByteArrayView bytes = m_rows[std::size_t(index.row())]->textView(index.column());
    // Each UTF-16 unit comes from one to four bytes.
    if (text.size() > bytes.size() || text.size() * 4 < bytes.size())
        return false;
    return QString::fromUtf8(bytes) == text;
}

bool TGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !isCell(index))
        return false;
    setCellText(m_rows[std::size_t(index.row())].get(), index.column(),
                stringToCellText(value.toString()));
    return true;
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_columns[std::size_t(section)]->caption();
    return {};
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
    if (!isCell(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_columns[std::size_t(index.column())]->readOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

} // namespace vantrel
