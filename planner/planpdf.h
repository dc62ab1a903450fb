// The plan report as a PDF file, written through Qt's own PDF output.
#pragma once

#include "planner/planreport.h"

#include <QByteArray>
#include <QPageLayout>

namespace vantrel {

QByteArray planReportPdf(const PlanReport& report, const QPageLayout& layout);

// Writes the PDF as a plan is saved: complete or not at all, so a failure
// leaves neither a partial file nor a changed old one. Throws EError with the
// save's own messages ("Cannot create file ...", "Stream write error").
void exportPlanPdf(const PlanReport& report, const QString& fileName, const QPageLayout& layout);

// The name the export dialog proposes: the plan's own with ".pdf", beside it;
// "plan.pdf" for a plan without a file.
QString proposedPdfName(const QString& planFileName);

} // namespace vantrel
