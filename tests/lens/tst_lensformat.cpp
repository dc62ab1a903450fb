// The lens tab's "###.#" format, its whole-number rounding and its readers.
#include "lens/lensformat.h"
#include "lens/lensreaders.h"

#include <QTest>

using namespace vantrel::lens;

class TestLensFormat : public QObject {
    Q_OBJECT
private slots:
    void formatsOneDecimal_data();
    void formatsOneDecimal();
    void takesEighteenDigitsFirst();
    void writesTheGivenSeparator();
    void writesWhatIsNotANumber();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void refusesWholeNumbersOutOfRange();
    void readsWithEachDefault_data();
    void readsWithEachDefault();
};

void TestLensFormat::formatsOneDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half up") << 120.25 << "120.3";
    QTest::newRow("half of the first decimal") << 0.05 << ".1";
    QTest::newRow("long integer part") << 1234.56 << "1234.6";
    QTest::newRow("below one") << 0.5 << ".5";
    QTest::newRow("whole") << 6.0 << "6";
    QTest::newRow("decimal rounds to 0") << 6.04 << "6";
    QTest::newRow("carries into the integer") << 99.96 << "100";
    QTest::newRow("drops a zero decimal") << 120.04 << "120";
    QTest::newRow("tiny") << 0.004 << "";
    QTest::newRow("just below a hundredth") << 0.0099 << "";
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("a hundredth") << 0.01 << ".0";
    QTest::newRow("small") << 0.04 << ".0";
    QTest::newRow("small negative has no sign") << -0.04 << ".0";
    QTest::newRow("tiny negative") << -0.004 << "";
    QTest::newRow("negative below one") << -0.3 << "-.3";
    QTest::newRow("negative half away from zero") << -2.35 << "-2.4";
    QTest::newRow("negative carry") << -0.96 << "-1";
    QTest::newRow("negative rounds up to a tenth") << -0.05 << "-.1";
    QTest::newRow("huge in full") << 1e20 << "100000000000000000000";
}

void TestLensFormat::formatsOneDecimal() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatOneDecimal(value, u'.'), text);
}

void TestLensFormat::takesEighteenDigitsFirst() {
    // 0.2499...9 with 20 nines is 0.25 at 18 digits, and so rounds up.
    QCOMPARE(formatOneDecimal(0.249999999999999999991L, u'.'), QStringLiteral(".3"));
    QCOMPARE(formatOneDecimal(0.2499999999999999L, u'.'), QStringLiteral(".2"));
}

void TestLensFormat::writesTheGivenSeparator() {
    QCOMPARE(formatOneDecimal(3.94, u','), QStringLiteral("3,9"));
    QCOMPARE(formatOneDecimal(0.5, u','), QStringLiteral(",5"));
    QCOMPARE(formatOneDecimal(0.02, u','), QStringLiteral(",0"));
    QCOMPARE(formatOneDecimal(-1.25, u','), QStringLiteral("-1,3"));
}

void TestLensFormat::writesWhatIsNotANumber() {
    QCOMPARE(formatOneDecimal(std::numeric_limits<double>::infinity(), u'.'),
             QStringLiteral("INF"));
    QCOMPARE(formatOneDecimal(-std::numeric_limits<double>::infinity(), u'.'),
             QStringLiteral("-INF"));
    QCOMPARE(formatOneDecimal(std::numeric_limits<double>::quiet_NaN(), u'.'),
             QStringLiteral("NAN"));
}

void TestLensFormat::roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("24.5") << 24.5 << qint64(24);
    QTest::newRow("25.5") << 25.5 << qint64(26);
    QTest::newRow("-0.5") << -0.5 << qint64(0);
    QTest::newRow("-1.5") << -1.5 << qint64(-2);
    QTest::newRow("just over a half") << 24.500000001 << qint64(25);
}

void TestLensFormat::roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(qint64, whole);
    QCOMPARE(roundToWhole(value), std::optional<qint64>(whole));
}

void TestLensFormat::refusesWholeNumbersOutOfRange() {
    QVERIFY(!roundToWhole(1e19L));
    QVERIFY(!roundToWhole(-1e19L));
    QVERIFY(!roundToWhole(std::numeric_limits<long double>::infinity()));
    QVERIFY(!roundToWhole(std::numeric_limits<long double>::quiet_NaN()));
    QCOMPARE(roundToWhole(-9223372036854775808.0L), std::optional<qint64>(INT64_MIN));
}

void TestLensFormat::readsWithEachDefault_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("value");
    QTest::newRow("comma item under a full stop") << "1,5"
                                                  << "." << 3.0;
    QTest::newRow("comma item under a comma") << "1,5"
                                              << "," << 1.5;
    QTest::newRow("full stop under a comma") << "12.5"
                                             << "," << 3.0;
    QTest::newRow("exponent") << " 2e1 "
                              << "." << 20.0;
    QTest::newRow("empty") << ""
                           << "." << 3.0;
}

void TestLensFormat::readsWithEachDefault() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, value);
    QCOMPARE(readDecimalOr(text, separator.front(), 3.0), value);
}

QTEST_GUILESS_MAIN(TestLensFormat)
#include "tst_lensformat.moc"
