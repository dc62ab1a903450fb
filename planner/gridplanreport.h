// The plan report of what the planner grid and the totals show.
#pragma once

#include "planner/planreport.h"
#include "planner/shownplan.h"

#include <QDate>

namespace vantrel {

class TPlanGrid;

// What the report takes from the window besides the grid.
struct PlanReportSource {
    QList<ShownTotal> totals; // the total boxes' texts and their columns
    QString totalsLabel;      // as the window labels the totals
    QString planFile;         // the plan's file, empty when it has none
    int systemLanguage = 0;   // the language byte the window's captions follow
    QDate date;
};

// Columns in the order the user sees them, cells as the grid shows them (a
// huge text's start and an ellipsis). Reads the grid only.
PlanReport planReport(const TPlanGrid& grid, const PlanReportSource& source);

} // namespace vantrel
