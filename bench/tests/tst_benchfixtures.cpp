// The benchmarks' rows are the program's own: the default row stream equals
// what the main window saves right after start-up, and the fixtures that fill
// the live window leave it as a load would.
#include "bench/calcwindow.h"
#include "bench/rowfiles.h"
#include "grid/plangrid.h"
#include "grid/rowstream.h"
#include "planner/plannerpage.h"
#include "tests/support/fakeplatform.h"

#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace vantrel;
using namespace vantrel::bench;

class TestBenchFixtures : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void defaultRowIsTheStartUpRow() {
        const test::FakePlatform platform; // "." as separator
        TCalc calc;
        QByteArray saved;
        QBuffer buffer(&saved);
        buffer.open(QIODevice::WriteOnly);
        calc.plannerPage->planGrid->WriteRows(buffer);
        QCOMPARE(defaultRowStream(1), saved);
        qsizetype textBytes = 0;
        for (int i = 0; i < 8; ++i)
            textBytes +=
                calc.plannerPage->planGrid->GetCellText(calc.plannerPage->planGrid->RowAt(0), i)
                    .toUtf8()
                    .size();
        QCOMPARE(defaultRowTextBytes(), textBytes);
    }

    void streamsOfManyRowsReadBack() {
        QByteArray bytes = defaultRowStream(3);
        QCOMPARE(bytes.size(), 8 + 3 * (4 + 24 + 4 * 8 + defaultRowTextBytes()));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const TGridRowList rows = readRowStream(buffer);
        QCOMPARE(rows.size(), std::size_t(3));
        for (const auto& row : rows)
            QCOMPARE(row->text(7), QByteArray("37.90283203125"));
    }

    void cachedFilesHoldTheirRows() {
        RowFileCache cache;
        const QString path = cache.pathFor(5);
        QCOMPARE(cache.pathFor(5), path);
        QVERIFY(cache.pathFor(6) != path);
        QVERIFY(cache.scratchPath() != path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), defaultRowStream(5));
    }

    void loadedWindowIsRecalculated() {
        const test::FakePlatform platform;
        CalcWindow window;
        TCalc& calc = window.calc();
        const qint32 before = calc.plannerPage->recalcCount();
        window.loadDefaultRows(250);
        QCOMPARE(calc.plannerPage->planGrid->RowCount(), 250);
        QCOMPARE(calc.plannerPage->planGrid->FocusedRow(), calc.plannerPage->planGrid->RowAt(0));
        QCOMPARE(calc.plannerPage->recalcCount(), before + 1);
        QCOMPARE(calc.plannerPage->edFPS->text(), QString("2500"));
        QCOMPARE(calc.plannerPage->planGrid->GetCellText(calc.plannerPage->planGrid->RowAt(249), 6),
                 QString("3.68"));
        QVERIFY(calc.isVisible());
        QCOMPARE(window.unexpectedBoxes(), 0);
    }
};

QTEST_MAIN(TestBenchFixtures)
#include "tst_benchfixtures.moc"
