#include "planner/plannercolumns.h"

#include "grid/plangrid.h"
#include "planner/catalogue.h"
#include "planner/planrows.h"
#include "platform/ui/legibility.h"

namespace vantrel {

namespace {

void fillPickList(TPlanGrid& grid, int cell, const QStringList& texts) {
    if (auto* column = qobject_cast<TGridPickColumn*>(grid.column(cell))) {
        column->Items.clear();
        column->Items << texts;
        column->DropDownListStyle = true;
    }
}

} // namespace

void addPlannerColumns(TPlanGrid& grid) {
    grid.addPickColumn("cResolution", "Resolution", 105);
    grid.addPickColumn("cCompression", "Compression", 132)->DropDownRows = 9;
    grid.addSpinColumn("cFrameSize", "Frame Size*, KB", 87)->setColor(QColor(255, 255, 230));
    auto* fps = grid.addSpinColumn("cFPS", "FPS", 37);
    fps->MinValue = 1;
    fps->MaxValue = 100;
    grid.addSpinColumn("cDays", "Days", 42);
    grid.addSpinColumn("cCamNum", "Cameras", 67);
    for (auto [name, caption, width] : {std::tuple{"cBand", "Bandwidth, Mbit/s", 96},
                                        std::tuple{"cSize", "Disk Space, GB", 100}}) {
        TGridColumn* column = grid.addTextColumn(name, caption, width);
        column->setColor(kComputedColour);
        column->setReadOnly(true);
    }
}

void fillPickLists(TPlanGrid& grid) {
    fillPickList(grid, kResolution, resolutionTexts());
    fillPickList(grid, kCompression, compressionTexts());
}

} // namespace vantrel
