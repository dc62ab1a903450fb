// The planner grid seen as the planner's rows.
#pragma once

#include "planner/planrows.h"

namespace vantrel {

class TGridRow;
class TPlanGrid;

class TGridPlanRows final : public TPlanRows {
public:
    explicit TGridPlanRows(TPlanGrid& grid) : m_grid(grid) {}

    int rowCount() const override;
    int focusedRow() const override;
    QString cellText(int row, int cell) const override;
    QByteArrayView cellBytes(int row, int cell) const override;
    void setCellText(int row, int cell, const QString& text) override;
    int addRow() override;
    void focusRow(int row) override;
    void deleteRow(int row) override;
    QStringList pickList(int cell) const override;

private:
    TGridRow* at(int row) const;

    TPlanGrid& m_grid;
};

} // namespace vantrel
