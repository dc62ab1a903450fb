// The start-up sequence of the main window, run once before it is first shown.
#include "app/calc.h"
#include "core/random.h"
#include "grid/plangrid.h"
#include "planner/catalogue.h"
#include "platform/platform.h"

namespace vantrel {

void TCalc::MyFormCreate() {
    Randomize();
    FillPickLists(*planGrid);
    btnAddClick();
}

void TCalc::ChangeAd() {}

} // namespace vantrel
