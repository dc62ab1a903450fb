// The plan's clipboard texts: tab-separated lines and an HTML table of the
// same cells, totals under their columns, and any cell text (a loaded file
// can hold any) kept to one cell, never markup.
#include "planner/plancopy.h"

#include <QTest>

using namespace vantrel;

class TestPlanCopyText : public QObject {
    Q_OBJECT
private slots:
    void linesAndTableHoldTheSameCells() {
        const PlanCopy copy = planCopy(
            {"Разрешение", "FPS", "Трафик,Мб/с"},
            {{"640x480 (VGA)", "10", "3,68"}, {"<b>R&D</b>", "tab\there \"q\"", "two\nlines"}},
            {{1, "10"}, {2, "3,68"}}, "ИТОГО:");
        QCOMPARE(copy.tsv, QStringLiteral("Разрешение\tFPS\tТрафик,Мб/с\n"
                                          "640x480 (VGA)\t10\t3,68\n"
                                          "<b>R&D</b>\t\"tab\there \"\"q\"\"\"\t\"two\nlines\"\n"
                                          "ИТОГО:\t10\t3,68\n"));
        QVERIFY(copy.html.contains("charset=utf-8"));
        QVERIFY(copy.html.contains(
            QStringLiteral("<tr><th>Разрешение</th><th>FPS</th><th>Трафик,Мб/с</th></tr>\n"
                           "<tr><td>640x480 (VGA)</td><td>10</td><td>3,68</td></tr>\n"
                           "<tr><td>&lt;b&gt;R&amp;D&lt;/b&gt;</td><td>tab\there &quot;q&quot;"
                           "</td><td>two\nlines</td></tr>\n"
                           "<tr><td>ИТОГО:</td><td>10</td><td>3,68</td></tr>\n</table>")));
        // A carriage return breaks a line in a spreadsheet as a newline does.
        QCOMPARE(planCopy({"A"}, {{"one\rtwo"}}, {}, "T").tsv,
                 QStringLiteral("A\n\"one\rtwo\"\nT\n"));
        // A total's column dragged first: the label takes the first free cell.
        QCOMPARE(planCopy({"FPS", "Resolution"}, {}, {{0, "10"}}, "TOTAL:").tsv,
                 QStringLiteral("FPS\tResolution\n10\tTOTAL:\n"));
    }
};

QTEST_GUILESS_MAIN(TestPlanCopyText)
#include "tst_plancopytext.moc"
