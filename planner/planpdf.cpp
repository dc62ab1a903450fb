#include "planner/planpdf.h"

#include "core/error.h"
#include "grid/savefile.h"
#include "planner/planreportdocument.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

namespace vantrel {

QByteArray planReportPdf(const PlanReport& report, const QPageLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setCreator(report.title);
        writer.setTitle(report.fileName.isEmpty() ? report.title : report.fileName);
        printPlanReport(report, writer);
    } // the writer finishes the file here
    return bytes;
}

void exportPlanPdf(const PlanReport& report, const QString& fileName, const QPageLayout& layout) {
    // Made whole in memory first: the PDF writer closes the device it writes
    // to, which would clear a write error before the save could see it.
    const QByteArray pdf = planReportPdf(report, layout);
    saveFile(fileName, [&pdf](QIODevice& file) { file.write(pdf); });
}

QString proposedPdfName(const QString& planFileName) {
    if (planFileName.isEmpty())
        return QStringLiteral("plan.pdf");
    const QFileInfo plan(planFileName);
    return plan.dir().filePath(plan.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace vantrel
