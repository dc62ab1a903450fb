// The planner's rules on rows in memory: new rows, the change handlers' cell
// writes, the focused row's recalculation and the totals, without a window.
#include "planner/planner.h"
#include "planner/recalccounter.h"
#include "tests/planner/memoryrows.h"
#include "tests/support/defaultrow.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <limits>

using namespace vantrel;
using vantrel::test::MemoryRows;

namespace {

// A row as the user has it after adding it and editing as `edit` does.
QByteArrayList rowAfter(const std::function<void(MemoryRows&)>& edit) {
    MemoryRows rows;
    addCameraType(rows);
    edit(rows);
    recalcFocusedRowCells(rows, u'.');
    return rows.rows.value(rows.focused);
}

QByteArrayList withCell(QByteArrayList texts, int cell, const QByteArray& text) {
    texts[cell] = text;
    return texts;
}

} // namespace

class TestPlannerRules : public QObject {
    Q_OBJECT
private slots:
    void editsRecalculateTheRow_data() {
        using Edit = std::function<void(MemoryRows&)>;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArrayList>("row");
        QTest::newRow("new row") << Edit([](MemoryRows&) {}) << test::defaultRowTexts();
        QTest::newRow("3 MP, then RAW") << Edit([](MemoryRows& r) {
            applyResolutionChange(r, "2048x1536 (3 MP)");
            applyCompressionChange(r, "RAW Data (no compr.)");
        }) << QByteArrayList{"2048x1536 (3 MP)", "RAW Data (no compr.)", "9217", "10", "1", "1",
                             "737.36",           "7594.57397460938"};
        QTest::newRow("no compression")
            << Edit([](MemoryRows& r) { applyCompressionChange(r, "?"); })
            << QByteArrayList{"640x480 (VGA)", "?", "0", "10", "1", "1", "0", "0"};
        QTest::newRow("typed size and counts") << Edit([](MemoryRows& r) {
            applyFrameSizeChange(r, "12");
            applyCountChange(r, kFps, "15");
            applyCountChange(r, kDays, "7");
            applyCountChange(r, kCameras, "4");
        }) << QByteArrayList{"?", "?", "12", "15", "7", "4", "5.76", "415.283203125"};
        QTest::newRow("size not a number")
            << Edit([](MemoryRows& r) { applyFrameSizeChange(r, "12a"); })
            << QByteArrayList{"?", "?", "0", "10", "1", "1", "0", "0"};
        // Only a loaded row has a text in neither list: the size stays.
        QTest::newRow("unlisted resolution")
            << Edit([](MemoryRows& r) { applyResolutionChange(r, "352x288 (CIF PAL)"); })
            << withCell(test::defaultRowTexts(), kResolution, "352x288 (CIF PAL)");
    }
    void editsRecalculateTheRow() {
        QFETCH(std::function<void(MemoryRows&)>, edit);
        QFETCH(QByteArrayList, row);
        QCOMPARE(rowAfter(edit), row);
    }

    void totalsFollowTheRowsAndTheSeparator() {
        MemoryRows rows;
        addCameraType(rows);
        addCameraType(rows);
        applyCountChange(rows, kCameras, "4");
        QVERIFY(recalcFocusedRowCells(rows, u','));
        QCOMPARE(rows.rows[1][kBandwidth], QByteArray("14,72"));
        rows.setCellText(0, kBandwidth, "3,68"); // as a recalculation here wrote it
        const TotalTexts t = totalTexts(rows, u',');
        QCOMPARE(QStringList({t.fps, t.bandwidth}), QStringList({"50", "18,4"}));
    }

    // A loaded cell may hold megabytes of digits: each read costs its length
    // at memory speed, at the load's recalculation and at every keystroke.
    void hugeNumbersAreReadAtMemorySpeed() {
        const qsizetype digits = qsizetype(50) << 20;
        const QByteArrayList row = test::defaultRowTexts();
        MemoryRows rows({withCell(row, kFrameSize, QByteArray(digits, '0') + "46"),
                         withCell(row, kBandwidth, "3.68" + QByteArray(digits, '0'))});
        rows.focusRow(0);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(recalcFocusedRowCells(rows, u'.')); // the load's
        applyCountChange(rows, kFps, "20");         // a keystroke's
        QVERIFY(recalcFocusedRowCells(rows, u'.'));
        const TotalTexts t = totalTexts(rows, u'.');
        const qint64 ms = clock.elapsed();
        // Far beyond memory speed; a sanitized or unoptimised build gets ten
        // times the room, still far below the minutes a quadratic read takes.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
        constexpr qint64 budgetMs = 3000;
#else
        constexpr qint64 budgetMs = 30000;
#endif
        QVERIFY2(ms < budgetMs, qPrintable(QString("%1 ms").arg(ms)));
        QCOMPARE(rows.rows[0][kBandwidth], QByteArray("7.36"));
        QCOMPARE(t.bandwidth, QString("11.04"));
    }

    void removingFocusesTheRowBeforeThenNone() {
        MemoryRows rows;
        addCameraType(rows);
        addCameraType(rows);
        removeFocusedCameraType(rows);
        QCOMPARE(rows.focused, 0);
        removeFocusedCameraType(rows);
        QCOMPARE(rows.focused, -1);
        removeFocusedCameraType(rows); // nothing to remove, nothing fails
        QVERIFY(!recalcFocusedRowCells(rows, u'.'));
        const TotalTexts t = totalTexts(rows, u'.');
        QCOMPARE(QStringList({t.fps, t.bandwidth, t.diskSpace}), QStringList({"0", "0", "0"}));
    }

    void recalcCounterWrapsAtTheLimit() {
        TRecalcCounter counter(std::numeric_limits<qint32>::max());
        counter.count();
        QCOMPARE(counter.value(), std::numeric_limits<qint32>::min());
    }
};

QTEST_GUILESS_MAIN(TestPlannerRules)
#include "tst_plannerrules.moc"
