#include "planner/plancopy.h"

namespace vantrel {

namespace {

// A field holding a separator, a line break or a quote is quoted, its quotes
// doubled, as spreadsheets read tab-separated text.
QString tsvField(const QString& text) {
    if (!text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'\r') &&
        !text.contains(u'"'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString tsvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << tsvField(field);
    return quoted.join(u'\t') + u'\n';
}

QString htmlRow(const QStringList& fields, const char* cellTag) {
    const QString tag = QString::fromLatin1(cellTag);
    QString row = QStringLiteral("<tr>");
    for (const QString& field : fields)
        row += u'<' + tag + u'>' + field.toHtmlEscaped() + QStringLiteral("</") + tag + u'>';
    return row + QStringLiteral("</tr>\n");
}

} // namespace

QStringList totalsLine(int width, const QList<TotalUnder>& totals, const QString& label) {
    QStringList line(width);
    QList<bool> taken(width, false);
    for (const TotalUnder& total : totals)
        if (total.column >= 0 && total.column < width) {
            line[total.column] = total.text;
            taken[total.column] = true;
        }
    if (const qsizetype free = taken.indexOf(false); free >= 0)
        line[free] = label;
    return line;
}

PlanCopy planCopy(const QStringList& captions, const QList<QStringList>& rows,
                  const QList<TotalUnder>& totals, const QString& totalsLabel) {
    const QStringList last = totalsLine(int(captions.size()), totals, totalsLabel);
    PlanCopy copy;
    copy.tsv = tsvLine(captions);
    for (const QStringList& row : rows)
        copy.tsv += tsvLine(row);
    copy.tsv += tsvLine(last);

    // The charset is stated: some word processors read clipboard HTML as Latin-1 otherwise.
    copy.html = QStringLiteral("<html><head><meta http-equiv=\"content-type\" "
                               "content=\"text/html; charset=utf-8\"></head><body><table>\n");
    copy.html += htmlRow(captions, "th");
    for (const QStringList& row : rows)
        copy.html += htmlRow(row, "td");
    copy.html += htmlRow(last, "td");
    copy.html += QStringLiteral("</table></body></html>\n");
    return copy;
}

} // namespace vantrel
