// The four-decimal fixed-point rounding of the row arithmetic.
#include "core/currency.h"

#include <QTest>

using namespace vantrel;

class TestCurrency : public QObject {
    Q_OBJECT
private slots:
    void roundsToFourDecimals() {
        QCOMPARE(toCurrency(3680.0).value(), qint64(36800000));
        QCOMPARE(toCurrency(0.03125).value(), qint64(312)); // 312.5: half to even
        QCOMPARE(toCurrency(0.09375).value(), qint64(938)); // 937.5
        QCOMPARE(toCurrency(-1.23456).value(), qint64(-12346));
    }
    void refusesBeyondTheRange() {
        QVERIFY(toCurrency(922337203685477.0).has_value());
        QVERIFY(!toCurrency(922337203685477.6));
        QVERIFY(!toCurrency(1e300));
        QVERIFY(!toCurrency(-1e300));
        QVERIFY(!toCurrency(std::numeric_limits<double>::quiet_NaN()));
    }
    void dividesLikeTheWorkedExample() {
        QCOMPARE(currencyDividedBy(*toCurrency(3680.0), 1000), 3.68);
        QCOMPARE(currencyDividedBy(*toCurrency(39744000.0), 1048576), 37.90283203125);
    }
};

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
