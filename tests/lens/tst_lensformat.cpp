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
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void refusesWholeNumbersOutOfRange();
    void readsWithEachDefault_data();
    void readsWithEachDefault();
};

void TestLensFormat::formatsOneDecimal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    const QChar stop = u'.', comma = u',';
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("half up") << 120.25 << stop << "120.3";
    QTest::newRow("half of the first decimal") << 0.05 << stop << ".1";
    QTest::newRow("long integer part") << 1234.56 << stop << "1234.6";
    QTest::newRow("below one") << 0.5 << stop << ".5";
    QTest::newRow("whole") << 6.0 << stop << "6";
    QTest::newRow("decimal rounds to 0") << 6.04 << stop << "6";
    QTest::newRow("carries into the integer") << 99.96 << stop << "100";
    QTest::newRow("drops a zero decimal") << 120.04 << stop << "120";
    QTest::newRow("tiny") << 0.004 << stop << "";
    QTest::newRow("just below a hundredth") << 0.0099 << stop << "";
    QTest::newRow("zero") << 0.0 << stop << "";
    QTest::newRow("a hundredth") << 0.01 << stop << ".0";
    QTest::newRow("small") << 0.04 << stop << ".0";
    QTest::newRow("small negative has no sign") << -0.04 << stop << ".0";
    QTest::newRow("tiny negative") << -0.004 << stop << "";
    QTest::newRow("negative below one") << -0.3 << stop << "-.3";
    QTest::newRow("negative half away from zero") << -2.35 << stop << "-2.4";
    QTest::newRow("negative carry") << -0.96 << stop << "-1";
    QTest::newRow("negative rounds up to a tenth") << -0.05 << stop << "-.1";
    QTest::newRow("huge in full") << 1e20 << stop << "100000000000000000000";
    QTest::newRow("comma") << 3.94 << comma << "3,9";
    QTest::newRow("comma small") << 0.02 << comma << ",0";
    QTest::newRow("comma negative") << -1.25 << comma << "-1,3";
    QTest::newRow("infinity") << inf << stop << "INF";
    QTest::newRow("negative infinity") << -inf << stop << "-INF";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << stop << "NAN";
}

void TestLensFormat::formatsOneDecimal() {
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(formatOneDecimal(value, separator), text);
}

void TestLensFormat::takesEighteenDigitsFirst() {
    // 0.2499...9 with 20 nines is 0.25 at 18 digits, and so rounds up.
    QCOMPARE(formatOneDecimal(0.249999999999999999991L, u'.'), QStringLiteral(".3"));
    QCOMPARE(formatOneDecimal(0.2499999999999999L, u'.'), QStringLiteral(".2"));
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
