// The plan as the window shows it: the grid's columns in the order the user
// sees them and the totals under theirs. What Copy, Print and Export take.
#pragma once

#include "planner/plancopy.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantrel {

class TPlanGrid;

// A total box's text and the cell index of the column it belongs under.
struct ShownTotal {
    int cellIndex;
    QString text;
};

struct ShownPlan {
    QStringList captions;
    QList<QStringList> rows;  // every cell's whole text, columns as captions
    QList<TotalUnder> totals; // placed by position among the captions; -1: not shown
};

// Reads the grid only: no cell, notification or count changes.
ShownPlan shownPlan(const TPlanGrid& grid, const QList<ShownTotal>& totals);

} // namespace vantrel
