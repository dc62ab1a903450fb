// The planner tab's handlers: each applies the planner's rules to the rows
// and then recalculates as those rules ask.
#include "grid/plangrid.h"
#include "planner/gridplanrows.h"
#include "planner/planner.h"
#include "planner/plannerpage.h"
#include "platform/platform.h"
#include "platform/ui/errorbox.h"

#include <QLineEdit>

namespace vantrel {

namespace {

// A total longer than its box shows its leading digits, not its last ones.
void showTotal(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

void TPlannerPage::btnAddClick() {
    addCameraType(*m_rows);
    RecalcFocusedRow();
}

void TPlannerPage::btnRemoveClick() {
    swallowErrors([this] { removeFocusedCameraType(*m_rows); });
    RecalcTotals();
}

void TPlannerPage::cResolutionChange(TGridColumn*) {
    swallowErrors([this] { applyResolutionChange(*m_rows, planGrid->EditorText()); });
    RecalcFocusedRow();
}

void TPlannerPage::cCompressionChange(TGridColumn*) {
    swallowErrors([this] { applyCompressionChange(*m_rows, planGrid->EditorText()); });
    RecalcFocusedRow();
}

void TPlannerPage::cFrameSizeChange(TGridColumn*) {
    // Unguarded: an error goes to the error box.
    applyFrameSizeChange(*m_rows, planGrid->EditorText());
    RecalcFocusedRow();
}

void TPlannerPage::cFPSDAYSCAMSChange(TGridColumn* sender) {
    swallowErrors(
        [&] { applyCountChange(*m_rows, planGrid->ColumnIndex(sender), planGrid->EditorText()); });
    RecalcFocusedRow();
}

void TPlannerPage::RecalcFocusedRow() {
    bool reachedTotals = false;
    swallowErrors(
        [&] { reachedTotals = recalcFocusedRowCells(*m_rows, m_platform.decimalSeparator()); });
    if (reachedTotals)
        swallowErrors([this] { RecalcTotals(); });
    m_recalcs.count();
    emit focusedRowRecalculated();
}

void TPlannerPage::RecalcTotals() {
    const TotalTexts totals = totalTexts(*m_rows, m_platform.decimalSeparator());
    showTotal(edFPS, totals.fps);
    showTotal(edBandwidth, totals.bandwidth);
    showTotal(edSpace, totals.diskSpace);
}

void TPlannerPage::btnSaveClick() {
    if (!SaveDialog1.Execute(window()))
        return;
    reportErrors([this] {
        planGrid->WriteRowsToFile(SaveDialog1.FileName);
        m_planFile = SaveDialog1.FileName;
    });
}

void TPlannerPage::btnLoadClick() {
    if (OpenDialog1.Execute(window()))
        loadPlanFile(OpenDialog1.FileName);
    else
        RecalcFocusedRow();
}

void TPlannerPage::loadPlanFile(const QString& path) {
    try {
        planGrid->ReadRowsFromFile(path);
    } catch (const EError& e) {
        showErrorBox(e.message()); // the rows stay as they were; nothing is recalculated
        return;
    }
    m_planFile = path;
    RecalcFocusedRow();
}

} // namespace vantrel
