#include "planner/gridplanreport.h"

#include <QFileInfo>

namespace vantrel {

PlanReport planReport(const TPlanGrid& grid, const PlanReportSource& source) {
    ShownPlan shown = shownPlan(grid, source.totals, CellTexts::AsShown);
    PlanReport report;
    report.title = reportTitle();
    report.date = reportDate(source.date, source.systemLanguage);
    if (!source.planFile.isEmpty())
        report.fileName = QFileInfo(source.planFile).fileName();
    report.captions = std::move(shown.captions);
    report.rows = std::move(shown.rows);
    report.totals = std::move(shown.totals);
    report.totalsLabel = source.totalsLabel;
    report.note = frameSizeNote(source.systemLanguage);
    return report;
}

} // namespace vantrel
