#include "planner/planoutput.h"

#include "planner/planpdf.h"
#include "planner/planreportdocument.h"
#include "planner/reportpage.h"
#include "platform/ui/errorbox.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vantrel {

namespace {

QPageLayout userPageLayout() {
    return reportPageLayout(QLocale::system().territory());
}

} // namespace

bool printPlan(const PlanReport& report, QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    // Size and orientation one by one: a printer refuses a whole layout whose
    // margins it cannot print, and its own margins serve as well.
    const QPageLayout layout = userPageLayout();
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    printer.setDocName(report.fileName.isEmpty() ? report.title : report.fileName);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printPlanReport(report, printer);
    return true;
}

void preparePdfDialog(TFileDialog& dialog, const QString& planFile) {
    dialog.Filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    dialog.DefaultExt = QStringLiteral("pdf");
    if (!planFile.isEmpty() || dialog.FileName.isEmpty())
        dialog.FileName = proposedPdfName(planFile);
}

bool exportPlanAsPdf(const PlanReport& report, TFileDialog& dialog, QWidget* owner) {
    if (!dialog.Execute(owner))
        return false;
    bool written = false;
    reportErrors([&] {
        exportPlanPdf(report, dialog.FileName, userPageLayout());
        written = true;
    });
    return written;
}

} // namespace vantrel
