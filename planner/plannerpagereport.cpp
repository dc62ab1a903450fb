// The planner tab's Export as PDF and Print: the report of what the grid and
// the totals show, under the plan's file name, in the window's language.
#include "grid/plangrid.h"
#include "planner/gridplanreport.h"
#include "planner/plannerpage.h"
#include "planner/planoutput.h"
#include "planner/planrows.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>

namespace vantrel {

void TPlannerPage::miExportPdfClick() {
    preparePdfDialog(ExportDialog1, m_planFile);
    exportPlanAsPdf(currentReport(), ExportDialog1, window());
}

void TPlannerPage::miPrintClick() {
    printPlan(currentReport(), window());
}

QList<ShownTotal> TPlannerPage::shownTotals() const {
    return {
        {kFps, edFPS->text()}, {kBandwidth, edBandwidth->text()}, {kDiskSpace, edSpace->text()}};
}

PlanReport TPlannerPage::currentReport() const {
    return planReport(*planGrid,
                      {shownTotals(), lbTotal->text(), m_planFile, languageByte(m_platform),
                       dateOfDayNumber(m_platform.localDayNumber())});
}

} // namespace vantrel
