// The planner's rules on its rows: adding and removing camera types, the
// change handlers' cell writes, the focused row's recalculation and the
// totals. The planner page's handlers call these and then show the totals.
#pragma once

#include "planner/rowmath.h"

namespace vantrel {

class TPlanRows;

// Appends a row with the values of a new row and focuses it (no recalculation).
void addCameraType(TPlanRows& rows);
// Deletes the focused row, if any.
void removeFocusedCameraType(TPlanRows& rows);

// The cell writes of the change handlers, before their recalculation; the
// editor text is what the user has typed or picked in the open cell.
void applyResolutionChange(TPlanRows& rows, const QString& editorText);
void applyCompressionChange(TPlanRows& rows, const QString& editorText);
void applyFrameSizeChange(TPlanRows& rows, const QString& editorText);
// FPS, Days or Cameras: the cell of the column that changed.
void applyCountChange(TPlanRows& rows, int cell, const QString& editorText);

// Recalculates cells 6 and 7 of the focused row; true when it got as far as
// the totals (false: no focused row, or a cell that is not a number).
bool recalcFocusedRowCells(TPlanRows& rows, QChar decimalSeparator);

// The three total texts: total FPS, bandwidth and disk space.
struct TotalTexts {
    QString fps;
    QString bandwidth;
    QString diskSpace;
};
TotalTexts totalTexts(const TPlanRows& rows, QChar decimalSeparator);

} // namespace vantrel
