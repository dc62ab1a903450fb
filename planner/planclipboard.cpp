#include "planner/planclipboard.h"

#include "grid/plangrid.h"
#include "planner/plancopy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>

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

void copyPlanToClipboard(const TPlanGrid& grid, const QList<ShownTotal>& totals,
                         const QString& totalsLabel) {
    const QList<int> cells = shownCellIndices(grid);
    QStringList captions;
    for (int cell : cells)
        captions << grid.column(cell)->caption();
    QList<QStringList> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        QStringList& row = rows.emplace_back();
        for (int cell : cells)
            row << grid.GetCellText(grid.RowAt(r), cell);
    }
    QList<TotalUnder> placed;
    for (const ShownTotal& total : totals)
        placed.append({int(cells.indexOf(total.cellIndex)), total.text});

    const PlanCopy copy = planCopy(captions, rows, placed, totalsLabel);
    auto* mime = new QMimeData;
    mime->setText(copy.tsv);
    mime->setHtml(copy.html);
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it
}

} // namespace vantrel
