// Row arithmetic, totals and the catalogue tables, without a window.
#include "core/numbers.h"
#include "planner/catalogue.h"
#include "planner/exactsum.h"
#include "planner/rowmath.h"
#include "tests/planner/memoryrows.h"

#include <QTest>
#include <cmath>

using namespace vantrel;

using vantrel::test::MemoryRows;

class TestRowMath : public QObject {
    Q_OBJECT
private slots:
    void frameSizeTableIsData() {
        QCOMPARE(frameSizeKB(3, 5), 46);
        QCOMPARE(frameSizeKB(7, 7), 9217);
        QCOMPARE(frameSizeKB(3, 7), 770); // not the 901 of the RAW pattern
        QCOMPARE(frameSizeKB(1, 1), 2);
        QCOMPARE(frameSizeKB(6, 6), 278);
        for (int i = 1; i <= 8; ++i) {
            QCOMPARE(frameSizeKB(i, 8), 0);
            QCOMPARE(frameSizeKB(8, i), 0);
        }
    }

    void cataloguesMatchWithCaseButNotSpaces() {
        const QStringList resolutions = resolutionTexts();
        QCOMPARE(resolutions.size(), 8);
        QCOMPARE(compressionTexts().size(), 8);
        QCOMPARE(catalogueNumber(resolutions, "640X480 (vga)"), std::optional<int>(3));
        QCOMPARE(catalogueNumber(resolutions, "352x288 (CIF PAL) "), std::optional<int>(2));
        QCOMPARE(catalogueNumber(resolutions, "352x288 (CIF PAL)"), std::nullopt);
        QCOMPARE(catalogueNumber(resolutions, "?"), std::optional<int>(8));
        QCOMPARE(catalogueNumber(compressionTexts(), "mjpg-medium (20)"), std::optional<int>(5));
    }

    void workedExamples_data() {
        QTest::addColumn<double>("frame");
        QTest::addColumn<double>("fps");
        QTest::addColumn<double>("days");
        QTest::addColumn<double>("cameras");
        QTest::addColumn<double>("bandwidth");
        QTest::addColumn<double>("disk");
        QTest::newRow("default row") << 46.0 << 10.0 << 1.0 << 1.0 << 3.68 << 37.90283203125;
        QTest::newRow("3 MP raw") << 9217.0 << 10.0 << 1.0 << 1.0 << 737.36 << 7594.573974609375;
        QTest::newRow("typed 12") << 12.0 << 15.0 << 7.0 << 4.0 << 5.76 << 415.283203125;
        QTest::newRow("zero") << 0.0 << 10.0 << 1.0 << 1.0 << 0.0 << 0.0;
    }
    void workedExamples() {
        QFETCH(double, frame);
        QFETCH(double, fps);
        QFETCH(double, days);
        QFETCH(double, cameras);
        QFETCH(double, bandwidth);
        QFETCH(double, disk);
        QCOMPARE(bandwidthMbits(frame, fps, cameras), std::optional(bandwidth));
        QCOMPARE(diskSpaceGB(frame, fps, days, cameras), std::optional(disk));
    }

    // 9217 KB x 100 FPS x 30 days x 400 cameras passes the fixed-point range:
    // the result must still be current, not left stale.
    void productsBeyondTheFixedPointRangeStillGiveAResult() {
        const double disk = diskSpaceGB(9217, 100, 30, 400).value();
        QCOMPARE(disk, 9217.0 * 100 * 30 * 400 * 86400 / 1048576);
        QVERIFY(disk > 9e8);
        // Just inside the range the four-decimal rounding still applies.
        QCOMPARE(fixedPointQuotient(922337203685477.0, 1), std::optional(922337203685477.0));
        // A product beyond every double is no result at all.
        QCOMPARE(bandwidthMbits(1e308, 10, 1), std::nullopt);
        QCOMPARE(diskSpaceGB(1e300, 1e10, 0, 1), std::nullopt); // infinity x 0
    }

    // Each mix: rows of (bandwidth, disk space) texts repeated a number of
    // times. Sums that were exact already keep their texts byte for byte.
    void totalTextsCarryNoRoundingNoise_data() {
        QTest::addColumn<QList<QByteArrayList>>("mix"); // {bandwidth, disk, repeat}
        QTest::addColumn<QString>("bandwidth");
        QTest::addColumn<QString>("disk");
        using M = QList<QByteArrayList>;
        QTest::newRow("no rows") << M{} << "0"
                                 << "0";
        QTest::newRow("one default row") << M{{"3.68", "37.90283203125", "1"}} << "3.68"
                                         << "37.90283203125";
        QTest::newRow("24 default rows") << M{{"3.68", "37.90283203125", "24"}} << "88.32"
                                         << "909.66796875";
        QTest::newRow("100 default rows") << M{{"3.68", "37.90283203125", "100"}} << "368"
                                          << "3790.283203125";
        QTest::newRow("examples mixed") << M{{"737.36", "7594.57397460938", "3"},
                                             {"5.76", "415.283203125", "2"},
                                             {"0", "0", "4"}}
                                        << "2223.6"
                                        << "23614.2883300781";
        QTest::newRow("non-numbers count 0")
            << M{{"", "abc", "2"}, {"?", "", "1"}, {"4", "8.5", "2"}} << "8"
            << "17";
        QTest::newRow("opposites cancel")
            << M{{"-3.68", "-37.90283203125", "5"}, {"3.68", "37.90283203125", "5"}} << "0"
            << "0";
        QTest::newRow("halves and integers") << M{{"0.5", "1024", "7"}, {"2", "0.25", "3"}} << "9.5"
                                             << "7168.75";
        QTest::newRow("large magnitudes")
            << M{{"1E20", "123456789012345", "1"}, {"1", "1", "1"}} << "1E20"
            << "123456789012346";
        QTest::newRow("tiny values") << M{{"0.00001", "0.000001", "3"}} << "0.00003"
                                     << "3E-6";
        QTest::newRow("beyond doubles") << M{{"1E308", "-1E308", "2"}} << "INF"
                                        << "-INF";
        QTest::newRow("cancellation")
            << M{{"1E16", "0.1", "1"}, {"1", "0.2", "1"}, {"-1E16", "0.3", "1"}} << "1"
            << "0.6";
    }
    void totalTextsCarryNoRoundingNoise() {
        QFETCH(QList<QByteArrayList>, mix);
        QFETCH(QString, bandwidth);
        QFETCH(QString, disk);
        MemoryRows rows;
        for (const QByteArrayList& m : mix)
            for (int i = 0; i < m[2].toInt(); ++i)
                rows.rows.append({"", "", "", "", "", "", m[0], m[1]});
        const Totals t = computeTotals(rows, u'.');
        QCOMPARE(formatGeneral(t.bandwidth, u'.'), bandwidth);
        QCOMPARE(formatGeneral(t.diskSpace, u'.'), disk);
    }

    // Sums that a running or compensated sum gets wrong in the last place.
    void exactSumRoundsOnce_data() {
        QTest::addColumn<QList<double>>("addends");
        QTest::addColumn<double>("sum");
        const double p53 = std::ldexp(1.0, 53);
        QTest::newRow("small after large") << QList<double>{1, 1e-16, 1e-16} << 1.0000000000000002;
        QTest::newRow("cancelling giants")
            << QList<double>{1e100, 1, -1e100, 1e-100, 1e50, -1, -1e50} << 1e-100;
        QTest::newRow("tie broken below, down")
            << QList<double>{p53, -0.5, -std::ldexp(1.0, -54)} << p53 - 1;
        QTest::newRow("tie broken below, up")
            << QList<double>{p53, 1, std::ldexp(1.0, -100)} << p53 + 2;
        QTest::newRow("tie broken below, even up")
            << QList<double>{p53 + 10, 1, std::ldexp(1.0, -100)} << p53 + 12;
        QTest::newRow("nothing") << QList<double>{} << 0.0;
    }
    void exactSumRoundsOnce() {
        QFETCH(QList<double>, addends);
        QFETCH(double, sum);
        TExactSum s;
        for (double a : addends)
            s.add(a);
        QCOMPARE(QString::number(s.value(), 'g', 17),
                 QString::number(sum, 'g', 17)); // exact, not fuzzy
    }

    // A plan saved under a comma locale and one saved under a point locale
    // add up alike anywhere: computed cells are never grouped.
    void totalsReadComputedCellsOfAnyLocale_data() {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("point") << QChar(u'.');
        QTest::newRow("comma") << QChar(u',');
        QTest::newRow("arabic") << QChar(0x066B);
    }
    void totalsReadComputedCellsOfAnyLocale() {
        QFETCH(QChar, separator);
        const QByteArray local = QString(separator).toUtf8();
        const MemoryRows rows({{"", "", "", "", "", "", "7,36", "37,90283203125"},
                               {"", "", "", "", "", "", "3.68", "0.5"},
                               {"", "", "", "", "", "", "1" + local + "5", "1,000.5"}});
        const Totals t = computeTotals(rows, separator);
        QCOMPARE(t.bandwidth, 12.54);
        QCOMPARE(t.diskSpace, 38.40283203125); // a grouped text is no computed cell
    }

    // FPS x cameras of each row; a row without numbers adds nothing.
    void totalFpsAddsNumbersWithoutWrapping() {
        MemoryRows rows;
        for (int i = 0; i < 3; ++i)
            rows.rows.append({"", "", "", "100000", "", "10000"});
        rows.rows.append({"", "", "", "x", "", "3"});
        rows.rows.append(QByteArrayList());
        QCOMPARE(computeTotals(rows, u'.').fps, qint64(3) * 100000 * 10000);
    }

    void cellNumbersUseTheLocale() {
        const QLocale german(QLocale::German);
        QCOMPARE(cellNumber("3,68", german), std::optional<double>(3.68));
        QCOMPARE(cellNumber("46", german), std::optional<double>(46));
        QCOMPARE(cellNumber("", german), std::nullopt);
        QCOMPARE(cellNumber("?", QLocale::c()), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestRowMath)
#include "tst_rowmath.moc"
