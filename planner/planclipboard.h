// Puts the whole plan on the clipboard, as the grid and the total boxes show it.
#pragma once

#include "planner/shownplan.h"

#include <QList>
#include <QString>

namespace vantrel {

class TPlanGrid;

// Columns in the order the user sees them, every cell's whole text (not only
// the start a cell has room to draw), as tab-separated text and as HTML in one
// clipboard entry, the totals' line labelled as the window labels the totals.
// Reads the grid only: no cell, notification or count changes.
void copyPlanToClipboard(const TPlanGrid& grid, const QList<ShownTotal>& totals,
                         const QString& totalsLabel);

} // namespace vantrel
