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
    QList<QStringList> rows;  // columns as the captions
    QList<TotalUnder> totals; // placed by position among the captions; -1: not shown
};

// Whole: every cell's whole text, as a copy takes it. AsShown: the start a
// cell shows, with its ellipsis, so that a huge text cannot fill page upon page.
enum class CellTexts { Whole, AsShown };

// Reads the grid only: no cell, notification or count changes.
ShownPlan shownPlan(const TPlanGrid& grid, const QList<ShownTotal>& totals,
                    CellTexts texts = CellTexts::Whole);

} // namespace vantrel
