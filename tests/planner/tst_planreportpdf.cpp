// The plan report as a PDF, read back as text with poppler's pdftotext, in the
// window's language of the locale the suite runs under: captions, rows and
// totals on the page, the captions again on every page, the paper by country,
// and failed exports that leave nothing behind.
#include "core/error.h"
#include "planner/planpdf.h"
#include "planner/reportpage.h"
#include "tests/grid/fileconditions.h"
#include "tests/planner/pdftext.h"
#include "tests/support/localenumber.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>

using namespace vantrel;
using test::localeNumber;
using test::pdfText;
using test::toolOutput;

namespace {

bool russian() {
    return QLocale::system().language() == QLocale::Russian;
}

int windowLanguage() {
    return russian() ? 25 : 9;
}

QStringList captions() {
    if (russian())
        return {"Разрешение", "Видеосжатие", "Размер кадра,Kб", "FPS",
                "Суток",      "Камер",       "Трафик,Мб/с",     "Объем,Гб"};
    return {"Resolution", "Compression", "Frame Size*, KB",   "FPS",
            "Days",       "Cameras",     "Bandwidth, Mbit/s", "Disk Space, GB"};
}

QStringList row(const QString& resolution, int frameSize, int fps, const QString& band,
                const QString& size) {
    return {resolution, "MJPG-Medium (20)", QString::number(frameSize), QString::number(fps), "1",
            "1",        localeNumber(band), localeNumber(size)};
}

PlanReport report(int rowCount) {
    PlanReport report;
    report.title = reportTitle();
    report.date = reportDate(QDate(2026, 12, 9), windowLanguage());
    report.fileName = "north-gate.ip";
    report.captions = captions();
    for (int r = 0; r < rowCount; ++r)
        report.rows << row(QStringLiteral("Row%1").arg(r + 1), 46 + r, 10, "3.68",
                           "37.90283203125");
    report.totals = {{3, "60"}, {6, localeNumber("22.08")}, {7, localeNumber("227.4169921875")}};
    report.totalsLabel = russian() ? "ИТОГО:" : "TOTAL:";
    report.note = frameSizeNote(windowLanguage());
    return report;
}

// The texts, in this order, on one line of the page, spaced apart.
bool onOneLine(const QString& page, const QStringList& texts) {
    QStringList escaped;
    for (const QString& text : texts)
        escaped << QRegularExpression::escape(text);
    const QRegularExpression line("^[^\\n]*" + escaped.join("\\s+"),
                                  QRegularExpression::MultilineOption);
    return line.match(page).hasMatch();
}

} // namespace

// Reading a PDF back needs poppler's tools.
#define REQUIRE_POPPLER()                                                                          \
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||                                   \
        QStandardPaths::findExecutable("pdfinfo").isEmpty())                                       \
    QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed")

class TestPlanReportPdf : public QObject {
    Q_OBJECT
private slots:
    void init() {
        // In the build folder: a test leaves nothing in /tmp.
        folder = std::make_unique<QTemporaryDir>(QDir::currentPath() + "/planreport-XXXXXX");
        QVERIFY(folder->isValid());
    }
    void cleanup() { folder.reset(); }

    void threeRowsWithTotalsAndNote() {
        REQUIRE_POPPLER();
        const PlanReport plan = report(3);
        const QString pdf = folder->filePath("plan.pdf");
        exportPlanPdf(plan, pdf, reportPageLayout(QLocale::system().territory()));
        const QString page = pdfText(pdf, 1);
        QVERIFY2(!page.isEmpty(), "no text on the first page");

        for (const QString& line : {plan.title, plan.date, plan.fileName})
            QVERIFY2(page.contains(line), qPrintable(line));
        // A caption too long for its column wraps inside it: its words stay in order.
        for (const QString& caption : plan.captions) {
            QStringList words;
            for (const QString& word : caption.split(' '))
                words << QRegularExpression::escape(word);
            const QRegularExpression wrapped(words.join("\\s.*"),
                                             QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(page.contains(wrapped), qPrintable(caption));
        }
        for (const QStringList& cells : plan.rows)
            QVERIFY2(onOneLine(page, cells), qPrintable(cells.join(" | ")));
        QVERIFY2(onOneLine(page, {plan.totalsLabel, "60", localeNumber("22.08"),
                                  localeNumber("227.4169921875")}),
                 qPrintable(page));
        // The note wraps as the page's width has it.
        const QString flowing = page.simplified();
        QVERIFY2(flowing.contains(plan.note.simplified()), qPrintable(flowing));
    }

    void captionsStartEveryPage() {
        REQUIRE_POPPLER();
        const PlanReport plan = report(60);
        const QString pdf = folder->filePath("long.pdf");
        exportPlanPdf(plan, pdf, reportPageLayout(QLocale::system().territory()));
        const QString first = pdfText(pdf, 1);
        const QString second = pdfText(pdf, 2);
        QVERIFY(onOneLine(first, plan.rows.first()));
        QVERIFY2(!first.contains(QRegularExpression("\\bRow60\\b")), "all rows on one page");
        QVERIFY2(onOneLine(second, {captions()[0], captions()[1]}), qPrintable(second));
        QVERIFY(onOneLine(second, plan.rows.last()));
        QVERIFY(onOneLine(second, {plan.totalsLabel, "60"}));
    }

    void paperByCountry_data() {
        QTest::addColumn<QLocale::Territory>("territory");
        QTest::addColumn<QString>("paper");
        QTest::newRow("United States") << QLocale::UnitedStates << "612 x 792 pts (letter)";
        QTest::newRow("Philippines") << QLocale::Philippines << "612 x 792 pts (letter)";
        QTest::newRow("Germany") << QLocale::Germany << "595 x 842 pts (A4)";
        QTest::newRow("no country (C locale)") << QLocale::AnyTerritory << "595 x 842 pts (A4)";
    }
    void paperByCountry() {
        REQUIRE_POPPLER();
        QFETCH(QLocale::Territory, territory);
        QFETCH(QString, paper);
        const QString pdf = folder->filePath("paper.pdf");
        exportPlanPdf(report(3), pdf, reportPageLayout(territory));
        const QString info = toolOutput("pdfinfo", {pdf});
        QVERIFY2(
            info.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(paper))),
            qPrintable(info));
    }

    void proposedName_data() {
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plan's name, beside it") << "/plans/north gate.ip"
                                                << "/plans/north gate.pdf";
        QTest::newRow("only the last extension goes") << "/plans/v1.2.ip"
                                                      << "/plans/v1.2.pdf";
        QTest::newRow("no plan file") << ""
                                      << "plan.pdf";
    }
    void proposedName() {
        QFETCH(QString, plan);
        QFETCH(QString, proposed);
        QCOMPARE(proposedPdfName(plan), proposed);
    }

    // A full disk and a folder that cannot be written: the save's own
    // messages for the error box, and no file, partial or whole.
    void failedExportLeavesNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("full tmpfs") << false;
        QTest::newRow("read-only folder") << true;
    }
    void failedExportLeavesNothing() {
        QFETCH(bool, readOnly);
        if (::geteuid() != 0)
            QSKIP("mounting a tmpfs needs root");
        const QString mountPoint = folder->filePath("disk");
        test::TmpfsMount disk(mountPoint, "size=64k");
        QVERIFY(disk.mounted());
        if (readOnly)
            QCOMPARE(::mount(nullptr, QFile::encodeName(mountPoint).constData(), nullptr,
                             MS_REMOUNT | MS_RDONLY, nullptr),
                     0);
        else
            QVERIFY(test::fillFilesystem(mountPoint));
        const QStringList before =
            QDir(mountPoint).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        const QString pdf = mountPoint + "/plan.pdf";
        QString error;
        try {
            exportPlanPdf(report(3), pdf, reportPageLayout(QLocale::AnyTerritory));
        } catch (const EError& e) {
            error = e.message();
        }
        QCOMPARE(error, readOnly ? "Cannot create file \"" + pdf + "\". " + qt_error_string(EROFS)
                                 : QStringLiteral("Stream write error"));
        QCOMPARE(QDir(mountPoint).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(TestPlanReportPdf)
#include "tst_planreportpdf.moc"
