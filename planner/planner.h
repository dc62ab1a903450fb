// The planner's work on the grid: adding and removing camera types, the
// change handlers' cell writes, the focused row's recalculation and the totals.
// The main window's handlers call these and then show the totals.
#pragma once

#include "planner/rowmath.h"

namespace vantrel {

class TGridColumn;
class TPlanGrid;

// Appends a row with the values of a new row and focuses it (no recalculation).
void addCameraType(TPlanGrid& grid);
// Deletes the focused row, if any.
void removeFocusedCameraType(TPlanGrid& grid);

// The cell writes of the change handlers, before their recalculation.
void applyResolutionChange(TPlanGrid& grid);
void applyCompressionChange(TPlanGrid& grid);
void applyFrameSizeChange(TPlanGrid& grid);
void applyCountChange(TPlanGrid& grid, const TGridColumn* sender);

// Recalculates cells 6 and 7 of the focused row; true when it got as far as
// the totals (false: no focused row, or a cell that is not a number).
bool recalcFocusedRowCells(TPlanGrid& grid);

// The three total texts: total FPS, bandwidth and disk space.
struct TotalTexts {
    QString fps;
    QString bandwidth;
    QString diskSpace;
};
TotalTexts totalTexts(const TPlanGrid& grid);

} // namespace vantrel
