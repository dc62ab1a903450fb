// The plan as a spreadsheet or a word processor takes it from the clipboard:
// tab-separated text and an HTML table of the same cells.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vantrel {

// A total and the position, among the columns copied, of the column it sits under.
struct TotalUnder {
    int column;
    QString text;
};

struct PlanCopy {
    QString tsv;
    QString html;
};

// One header line of captions, one line per row, and a last line holding the
// totals under their columns and the label of that line in its first cell
// (the first one without a total, should a total's column be first), so that
// a spreadsheet's sum of a column does not count the total as one more row.
// Texts are taken as given: the caller passes them as the window shows them.
// The totals' line alone, `width` fields wide, as the copy ends with it.
QStringList totalsLine(int width, const QList<TotalUnder>& totals, const QString& label);

PlanCopy planCopy(const QStringList& captions, const QList<QStringList>& rows,
                  const QList<TotalUnder>& totals, const QString& totalsLabel);

} // namespace vantrel
