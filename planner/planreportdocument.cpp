#include "planner/planreportdocument.h"

#include <QColor>
#include <QFont>
#include <QPagedPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>

namespace vantrel {

namespace {

// A plain face with Cyrillic, from the same family as the window's font.
QFont reportFont(qreal points) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

QTextCharFormat textFormat(qreal points, bool bold = false) {
    QTextCharFormat format;
    format.setFont(reportFont(points));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void addLine(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    if (!cursor.atStart())
        cursor.insertBlock();
    cursor.insertText(text, format);
}

void fillRow(QTextTable* table, int row, const QStringList& texts, const QTextCharFormat& format) {
    for (int column = 0; column < table->columns(); ++column)
        table->cellAt(row, column).firstCursorPosition().insertText(texts.value(column), format);
}

QTextTableFormat tableFormat() {
    QTextTableFormat format;
    format.setHeaderRowCount(1); // the captions start every page
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setBorder(1);
    format.setBorderBrush(QColor(128, 128, 128));
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setTopMargin(8);
    format.setBottomMargin(8);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    return format;
}

void addTable(QTextCursor& cursor, const PlanReport& report) {
    const int columns = int(report.captions.size());
    if (columns == 0)
        return;
    const int rows = int(report.rows.size());
    QTextTable* table = cursor.insertTable(rows + 2, columns, tableFormat());
    fillRow(table, 0, report.captions, textFormat(9, true));
    for (int r = 0; r < rows; ++r)
        fillRow(table, r + 1, report.rows[r], textFormat(9));
    fillRow(table, rows + 1, totalsLine(columns, report.totals, report.totalsLabel),
            textFormat(9, true));
    cursor.movePosition(QTextCursor::End);
}

} // namespace

std::unique_ptr<QTextDocument> planReportDocument(const PlanReport& report) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(reportFont(9));
    // A word wider than its column breaks rather than push the table off the paper.
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(wrapping);
    document->setMetaInformation(QTextDocument::DocumentTitle, report.title);
    QTextCursor cursor(document.get());
    addLine(cursor, report.title, textFormat(14, true));
    addLine(cursor, report.date, textFormat(10));
    if (!report.fileName.isEmpty())
        addLine(cursor, report.fileName, textFormat(10));
    addTable(cursor, report);
    addLine(cursor, report.note, textFormat(8));
    return document;
}

void printPlanReport(const PlanReport& report, QPagedPaintDevice& device) {
    planReportDocument(report)->print(&device);
}

} // namespace vantrel
