#include "planner/gridplanrows.h"

#include "grid/plangrid.h"

namespace vantrel {

TGridRow* TGridPlanRows::at(int row) const {
    return m_grid.RowAt(row);
}

int TGridPlanRows::rowCount() const {
    return m_grid.RowCount();
}

int TGridPlanRows::focusedRow() const {
    const QModelIndex current = m_grid.currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString TGridPlanRows::cellText(int row, int cell) const {
    return m_grid.GetCellText(at(row), cell);
}

QByteArrayView TGridPlanRows::cellBytes(int row, int cell) const {
    return at(row)->textView(cell);
}

void TGridPlanRows::setCellText(int row, int cell, const QString& text) {
    m_grid.SetCellValue(at(row), cell, text);
}

int TGridPlanRows::addRow() {
    m_grid.AddRow();
    return m_grid.RowCount() - 1;
}

void TGridPlanRows::focusRow(int row) {
    m_grid.FocusRow(at(row));
}

void TGridPlanRows::deleteRow(int row) {
    m_grid.DeleteRow(at(row));
}

QStringList TGridPlanRows::pickList(int cell) const {
    const auto* column = qobject_cast<const TGridPickColumn*>(m_grid.column(cell));
    return column ? column->Items : QStringList();
}

} // namespace vantrel
