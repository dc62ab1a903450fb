// A PDF read back as text with poppler's tools, for the report tests.
#pragma once

#include <QDebug>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vantrel::test {

// A tool's output, or empty (with its error output in the log) when it fails.
inline QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(5000);
        qWarning() << program << arguments << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page of the PDF, or of all its pages, lines kept as laid out.
inline QString pdfText(const QString& pdf, int page = 0) {
    QStringList arguments{"-layout"};
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    return toolOutput("pdftotext", arguments << pdf << "-");
}

} // namespace vantrel::test
