// The plan report laid out as a text document: heading lines, one table of
// the captions, rows and totals whose caption row starts every page again,
// and the note on frame sizes under it.
#pragma once

#include "planner/planreport.h"

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace vantrel {

std::unique_ptr<QTextDocument> planReportDocument(const PlanReport& report);

// Lays the report out on the device's pages, as many as the rows take, each
// with its page number; the device's page layout is left as the caller set it.
void printPlanReport(const PlanReport& report, QPagedPaintDevice& device);

} // namespace vantrel
