// The plan's clipboard texts: tab-separated lines and an HTML table of the
// same cells, with totals under their columns and cell texts kept intact.
#include "planner/plancopy.h"

#include <QTest>

using namespace vantrel;

class TestPlanCopyText : public QObject {
    Q_OBJECT
private slots:
    void linesAndTableHoldTheSameCells() {
        const PlanCopy copy =
            planCopy({"Разрешение", "FPS", "Трафик,Мб/с"},
                     {{"640x480 (VGA)", "10", "3,68"}, {"?", "", "0"}}, {{1, "10"}, {2, "3,68"}});
        QCOMPARE(copy.tsv, QStringLiteral("Разрешение\tFPS\tТрафик,Мб/с\n"
                                          "640x480 (VGA)\t10\t3,68\n"
                                          "?\t\t0\n"
                                          "\t10\t3,68\n"));
        QVERIFY(copy.html.contains("charset=utf-8"));
        QVERIFY(copy.html.contains(
            QStringLiteral("<tr><th>Разрешение</th><th>FPS</th><th>Трафик,Мб/с</th></tr>\n"
                           "<tr><td>640x480 (VGA)</td><td>10</td><td>3,68</td></tr>\n"
                           "<tr><td>?</td><td></td><td>0</td></tr>\n"
                           "<tr><td></td><td>10</td><td>3,68</td></tr>\n</table>")));
    }

    // Loaded files can put any text in a cell; it must not break the table
    // into other cells or rows, nor into markup.
    void cellTextsStayOneCellEach() {
        const PlanCopy copy =
            planCopy({"A", "B"}, {{"<b>R&D</b>", "tab\there \"quoted\""}, {"two\nlines", "x"}}, {});
        QCOMPARE(copy.tsv, QString("A\tB\n"
                                   "<b>R&D</b>\t\"tab\there \"\"quoted\"\"\"\n"
                                   "\"two\nlines\"\tx\n"
                                   "\t\n"));
        QVERIFY(copy.html.contains("<td>&lt;b&gt;R&amp;D&lt;/b&gt;</td>"
                                   "<td>tab\there &quot;quoted&quot;</td>"));
        QCOMPARE(copy.html.count("<tr>"), 4);
    }
};

QTEST_GUILESS_MAIN(TestPlanCopyText)
#include "tst_plancopytext.moc"
