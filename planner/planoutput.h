// The grid menu's Print and Export as PDF commands, given the report to put
// out: Qt's print dialog, and the save dialog before a PDF is written.
#pragma once

#include "planner/filedialog.h"
#include "planner/planreport.h"

class QWidget;

namespace vantrel {

// Qt's print dialog, offering the paper of the user's country upright;
// prints the report when the user confirms. False when cancelled.
bool printPlan(const PlanReport& report, QWidget* owner);

// Sets the dialog up for a PDF: its filter and extension, and the plan's own
// name with ".pdf" as the proposal (the name last chosen when the plan has none).
void preparePdfDialog(TFileDialog& dialog, const QString& planFile);

// Asks for the file name, then writes the PDF on the paper of the user's
// country; a failure is shown in the error box as a failed save is. False
// when cancelled or failed.
bool exportPlanAsPdf(const PlanReport& report, TFileDialog& dialog, QWidget* owner);

} // namespace vantrel
