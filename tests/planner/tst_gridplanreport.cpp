// The report of the planner grid: columns in the order the user dragged them
// into, cells as the grid shows them, the totals under their own columns, and
// the texts of the window's language.
#include "grid/plangrid.h"
#include "planner/gridplanreport.h"
#include "planner/plannercolumns.h"
#include "tests/support/fakeplatform.h"

#include <QHeaderView>
#include <QTest>

using namespace vantrel;

class TestGridPlanReport : public QObject {
    Q_OBJECT
private slots:
    void reportFollowsShownColumns_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("noteStart");
        QTest::addColumn<QString>("month");
        QTest::newRow("English") << 9 << "Important:"
                                 << "December";
        QTest::newRow("Russian") << 25 << "Внимание:"
                                 << "декабря";
    }
    void reportFollowsShownColumns() {
        QFETCH(int, language);
        QFETCH(QString, noteStart);
        QFETCH(QString, month);
        test::FakePlatform fake;
        QWidget window;
        auto* grid = new TPlanGrid(fake, &window);
        addPlannerColumns(*grid);
        const QList<QStringList> cells = {
            {QString(50000, u'x'), "MJPG-Medium (20)", "46", "10", "1", "1", "3.68", "37.9"},
            {"?", "?", "12", "15", "7", "4", "5.76", "415.28"},
        };
        for (const QStringList& texts : cells) {
            TGridRow* row = grid->AddRow();
            for (int i = 0; i < texts.size(); ++i)
                grid->SetCellValue(row, i, texts[i]);
        }
        grid->horizontalHeader()->moveSection(3, 0); // FPS dragged to the front

        const PlanReport report = planReport(*grid, {{{3, "70"}, {6, "9.44"}, {7, "453.18"}},
                                                     "TOTAL:",
                                                     "/plans/north gate.ip",
                                                     language,
                                                     QDate(2026, 12, 9)});

        QCOMPARE(report.captions.first(), grid->column(3)->caption());
        QCOMPARE(report.captions.mid(1, 3),
                 (QStringList{grid->column(0)->caption(), grid->column(1)->caption(),
                              grid->column(2)->caption()}));
        QCOMPARE(report.rows.size(), 2);
        // A huge text as the grid shows it: its start, and an ellipsis for the rest.
        QVERIFY(report.rows[0][1].size() < 50000);
        QVERIFY(report.rows[0][1].endsWith(QString(u'x') + QChar(0x2026)));
        QCOMPARE(report.rows[1], (QStringList{"15", "?", "?", "12", "7", "4", "5.76", "415.28"}));
        // FPS's total is first now: the label takes the first column without one.
        QCOMPARE(totalsLine(8, report.totals, report.totalsLabel),
                 (QStringList{"70", "TOTAL:", "", "", "", "", "9.44", "453.18"}));
        QCOMPARE(report.fileName, QStringLiteral("north gate.ip"));
        QVERIFY2(report.note.startsWith(noteStart), qPrintable(report.note));
        QVERIFY2(report.date.contains(month), qPrintable(report.date));
        QVERIFY(report.title.startsWith("Vantrel "));
    }
};

QTEST_MAIN(TestGridPlanReport)
#include "tst_gridplanreport.moc"
