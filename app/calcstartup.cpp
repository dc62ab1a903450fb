// The start-up sequence of the main window, run once before it is first shown.
#include "app/calc.h"
#include "app/captions/captions.h"
#include "core/random.h"
#include "grid/plangrid.h"
#include "lens/lenspage.h"
#include "partners/aboutpage.h"
#include "partners/adrotation.h"
#include "partners/partnerbanner.h"
#include "planner/catalogue.h"
#include "planner/recalccounter.h"
#include "platform/platform.h"

#include <QLabel>

namespace vantrel {

void TCalc::MyFormCreate() {
    adverts().setLastAdTick(platform().tickCount());
    Randomize();
    lensPage->selectDefaultSensor();
    FillPickLists(*planGrid);
    SystemLanguage = languageByte(platform());
    LocalizeCaptions(this);
    completeVersionLabel(aboutPage->lbVersion);
    btnAddClick();
    banner->showFirstAd();
}

void TCalc::ChangeAd() {
    banner->ChangeAd(RecalcCounter());
}

} // namespace vantrel
