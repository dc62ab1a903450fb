// The planner grid's eight columns, in cell order, and their pick lists.
#pragma once

namespace vantrel {

class TPlanGrid;

// Adds the columns with their captions, widths, colours and limits.
void addPlannerColumns(TPlanGrid& grid);

// Fills the Resolution and Compression pick lists from the catalogue and
// restricts both to their listed texts.
void fillPickLists(TPlanGrid& grid);

} // namespace vantrel
