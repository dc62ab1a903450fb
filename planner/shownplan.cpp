#include "planner/shownplan.h"

#include "grid/plangrid.h"

#include <QHeaderView>

namespace vantrel {

namespace {

// Cell indices in the order shown: the user may have dragged headers around.
QList<int> shownCellIndices(const TPlanGrid& grid) {
    const QHeaderView* header = grid.horizontalHeader();
    QList<int> cells;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            cells << logical;
    }
    return cells;
}

} // namespace

ShownPlan shownPlan(const TPlanGrid& grid, const QList<ShownTotal>& totals, CellTexts texts) {
    const QList<int> cells = shownCellIndices(grid);
    ShownPlan plan;
    for (int cell : cells)
        plan.captions << grid.column(cell)->caption();
    for (int r = 0; r < grid.RowCount(); ++r) {
        QStringList& row = plan.rows.emplace_back();
        for (int cell : cells)
            row << (texts == CellTexts::Whole ? grid.GetCellText(grid.RowAt(r), cell)
                                              : grid.model()->index(r, cell).data().toString());
    }
    for (const ShownTotal& total : totals)
        plan.totals.append({int(cells.indexOf(total.cellIndex)), total.text});
    return plan;
}

} // namespace vantrel
