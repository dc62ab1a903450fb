// The planner tab's handlers: each delegates to the planner library and then
// recalculates as the planner's rules ask.
#include "app/calc.h"
#include "app/errorbox.h"
#include "grid/plangrid.h"
#include "planner/planclipboard.h"
#include "planner/plandrop.h"
#include "planner/planner.h"
#include "planner/recalccounter.h"

#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

void TCalc::wireEvents() {
    connect(btnAdd, &QPushButton::clicked, this,
            [this] { reportErrors([this] { btnAddClick(); }); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { btnRemoveClick(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnLoad, &QPushButton::clicked, this, [this] { btnLoadClick(); });
    const auto onChange = [this](const char* name, void (TCalc::*handler)(TGridColumn*)) {
        connect(planGrid->ColumnByName(QString::fromLatin1(name)), &TGridColumn::change, this,
                [this, handler](TGridColumn* sender) {
                    reportErrors([&] { (this->*handler)(sender); });
                });
    };
    onChange("cResolution", &TCalc::cResolutionChange);
    onChange("cCompression", &TCalc::cCompressionChange);
    onChange("cFrameSize", &TCalc::cFrameSizeChange);
    onChange("cFPS", &TCalc::cFPSDAYSCAMSChange);
    onChange("cDays", &TCalc::cFPSDAYSCAMSChange);
    onChange("cCamNum", &TCalc::cFPSDAYSCAMSChange);
    connect(planGrid, &TPlanGrid::copyRequested, this, [this] {
        copyPlanToClipboard(*planGrid, {{kFps, edFPS->text()},
                                        {kBandwidth, edBandwidth->text()},
                                        {kDiskSpace, edSpace->text()}});
    });
    acceptPlanDrops(this, [this](const QString& fileName) { loadPlanFile(fileName); });
}

void TCalc::btnAddClick() {
    addCameraType(*planGrid);
    RecalcFocusedRow();
}

void TCalc::btnRemoveClick() {
    swallowErrors([this] { removeFocusedCameraType(*planGrid); });
    RecalcTotals();
}

void TCalc::cResolutionChange(TGridColumn*) {
    swallowErrors([this] { applyResolutionChange(*planGrid); });
    RecalcFocusedRow();
}

void TCalc::cCompressionChange(TGridColumn*) {
    swallowErrors([this] { applyCompressionChange(*planGrid); });
    RecalcFocusedRow();
}

void TCalc::cFrameSizeChange(TGridColumn*) {
    applyFrameSizeChange(*planGrid); // unguarded: an error goes to the error box
    RecalcFocusedRow();
}

void TCalc::cFPSDAYSCAMSChange(TGridColumn* sender) {
    swallowErrors([&] { applyCountChange(*planGrid, sender); });
    RecalcFocusedRow();
}

void TCalc::RecalcFocusedRow() {
    bool reachedTotals = false;
    swallowErrors([&] { reachedTotals = recalcFocusedRowCells(*planGrid); });
    if (reachedTotals)
        swallowErrors([this] { RecalcTotals(); });
    CountRecalc();
    ChangeAd();
}

namespace {

// A total longer than its box shows its leading digits, not its last ones.
void showTotal(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

void TCalc::RecalcTotals() {
    const TotalTexts totals = totalTexts(*planGrid);
    showTotal(edFPS, totals.fps);
    showTotal(edBandwidth, totals.bandwidth);
    showTotal(edSpace, totals.diskSpace);
}

void TCalc::btnSaveClick() {
    if (!SaveDialog1.Execute(this))
        return;
    reportErrors([this] { planGrid->WriteRowsToFile(SaveDialog1.FileName); });
}

void TCalc::btnLoadClick() {
    if (OpenDialog1.Execute(this))
        loadPlanFile(OpenDialog1.FileName);
    else
        RecalcFocusedRow(); // a cancelled dialog still recalculates
}

void TCalc::loadPlanFile(const QString& fileName) {
    try {
        planGrid->ReadRowsFromFile(fileName);
    } catch (const EError& e) {
        showErrorBox(e.message()); // the rows stay as they were; nothing is recalculated
        return;
    }
    RecalcFocusedRow();
}

} // namespace vantrel
