// The lenient number readers and the general number format.
#include "core/numbers.h"

#include <QTest>
#include <clocale>

using namespace vantrel;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void readsIntegers_data();
    void readsIntegers();
    void readsDecimals_data();
    void readsDecimals();
    void readsLocaleNumbers();
    void readsCellBytesAsTheirText_data();
    void readsCellBytesAsTheirText();
    void formatsGeneral_data();
    void formatsGeneral();
    void roundsHalvesToEven();
    void processLocaleIsTheEnvironments();
};

void TestNumbers::readsIntegers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "46" << true << 46;
    QTest::newRow("leading spaces") << "   12" << true << 12;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("minus") << "-1" << true << -1;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("x hex") << "x10" << true << 16;
    QTest::newRow("0x hex") << "0X10" << true << 16;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("over max") << "2147483648" << false << 0;
    QTest::newRow("hex over max") << "$80000000" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("prefix only") << "$" << false << 0;
    QTest::newRow("trailing space") << "5 " << false << 0;
    QTest::newRow("decimal") << "2.5" << false << 0;
    QTest::newRow("letters") << "x" << false << 0;
    QTest::newRow("tab is no blank") << "\t5" << false << 0;
    QTest::newRow("arabic digit") << QString::fromUtf8("\u0665") << false << 0;
}

void TestNumbers::readsIntegers() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto got = readInt32(text);
    QCOMPARE(got.has_value(), ok);
    if (ok)
        QCOMPARE(*got, value);
    QCOMPARE(readInt32Or(text, -99), ok ? value : -99);
}

void TestNumbers::readsDecimals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "46"
                             << "." << true << 46.0;
    QTest::newRow("fraction") << "3.68"
                              << "." << true << 3.68;
    QTest::newRow("comma locale") << "3,68"
                                  << "," << true << 3.68;
    QTest::newRow("full stop under comma") << "3.68"
                                           << "," << false << 0.0;
    QTest::newRow("blanks") << "  -1.5  "
                            << "." << true << -1.5;
    QTest::newRow("exponent") << "1.5E3"
                              << "." << true << 1500.0;
    QTest::newRow("negative exponent") << "25e-1"
                                       << "." << true << 2.5;
    QTest::newRow("bare separator start") << ".5"
                                          << "." << true << 0.5;
    QTest::newRow("bare separator end") << "5."
                                        << "." << true << 5.0;
    QTest::newRow("separator alone") << "."
                                     << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "1e"
                                             << "." << false << 0.0;
    QTest::newRow("grouping") << "1,000.5"
                              << "." << false << 0.0;
    QTest::newRow("empty") << ""
                           << "." << false << 0.0;
    QTest::newRow("word") << "abc"
                          << "." << false << 0.0;
    QTest::newRow("overflow") << "1e999"
                              << "." << false << 0.0;
    // Too small for a double reads as zero; too large stays unreadable.
    QTest::newRow("underflow") << "1e-400"
                               << "." << true << 0.0;
    QTest::newRow("negative underflow") << "-1e-400"
                                        << "." << true << -0.0;
    QTest::newRow("subnormal") << "5e-324"
                               << "." << true << 4.9406564584124654e-324;
    QTest::newRow("underflow by its zeros") << "0." + QString(400, u'0') + "1e+5"
                                            << "." << true << 0.0;
    QTest::newRow("overflow by its digits") << "1" + QString(400, u'0') + "e-5"
                                            << "." << false << 0.0;
    QTest::newRow("exponent beyond 64 bits, small") << "1e-99999999999999999999"
                                                    << "." << true << 0.0;
    QTest::newRow("exponent beyond 64 bits, large") << "1e+99999999999999999999"
                                                    << "." << false << 0.0;
    // 1 + 2^-53 is a tie between two doubles: it goes to the even one, and
    // any nonzero digit after it, however far, tips it up.
    const QString tie = "1.00000000000000011102230246251565404236316680908203125";
    QTest::newRow("tie to even") << tie << "." << true << 1.0;
    QTest::newRow("tie tipped far out") << tie + QString(2000, u'0') + "1"
                                        << "." << true << 1.0000000000000002;
    QTest::newRow("thousands of leading zeros")
        << QString(3000, u'0') + "0," + QString(3000, u'0') + "25e3001"
        << "," << true << 2.5;
}

void TestNumbers::readsDecimals() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto got = readDecimal(text, separator.front());
    QCOMPARE(got.has_value(), ok);
    if (ok)
        QCOMPARE(*got, value);
}

void TestNumbers::readsLocaleNumbers() {
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(readLocaleNumber(u"3,68", german).value_or(-1), 3.68);
    QCOMPARE(readLocaleNumber(u"1.000,5", german).value_or(-1), 1000.5);
    const QLocale c = QLocale::c();
    QCOMPARE(readLocaleNumber(u"37.90283203125", c).value_or(-1), 37.90283203125);
    QCOMPARE(readLocaleNumber(u" 12 ", c).value_or(-1), 12.0);
    QVERIFY(!readLocaleNumber(u"", c));
    QVERIFY(!readLocaleNumber(u"?", c));
    // Grouping as the regional settings write it (a no-break space in Russian)
    // is accepted; a full stop is no decimal separator under a comma locale.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QCOMPARE(readLocaleNumber(u"1\u00a0234,5", russian).value_or(-1), 1234.5);
    QVERIFY(!readLocaleNumber(u"3.68", russian));
    QVERIFY(!readLocaleNumber(u"37.90283203125", german));
}

void TestNumbers::formatsGeneral_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("3.68") << 3.68 << "3.68";
    QTest::newRow("37.9...") << 37.90283203125 << "37.90283203125";
    QTest::newRow("tie rounds up") << 7594.573974609375 << "7594.57397460938";
    // Exactly 7019.0448196015749999787...: digits past the sixteenth must not
    // round it up to a tie first.
    QTest::newRow("just below a tie") << 7019.044819601575 << "7019.04481960157";
    QTest::newRow("whole") << 40.0 << "40";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("737.36") << 737.36 << "737.36";
    QTest::newRow("15 integer digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds into 16 digits") << 999999999999999.9 << "1E15";
    QTest::newRow("large") << 1.5e20 << "1.5E20";
    QTest::newRow("smallest fixed") << 0.00001 << "0.00001";
    QTest::newRow("below fixed") << 0.000009 << "9E-6";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("largest") << 1.7976931348623157e308 << "1.79769313486232E308";
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
}

void TestNumbers::formatsGeneral() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatGeneral(value, u'.'), text);
    QString comma = text;
    comma.replace(u'.', u',');
    QCOMPARE(formatGeneral(value, u','), comma);
}

void TestNumbers::roundsHalvesToEven() {
    QCOMPARE(roundHalfEven(2.5), 2.0);
    QCOMPARE(roundHalfEven(3.5), 4.0);
    QCOMPARE(roundHalfEven(-2.5), -2.0);
    QCOMPARE(roundHalfEven(2.4999), 2.0);
    QCOMPARE(roundHalfEven(2.5001), 3.0);
}

void TestNumbers::readsCellBytesAsTheirText_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QChar>("separator");
    const QByteArray texts[] = {"37.90283203125",
                                "3,68",
                                " -12",
                                "+7",
                                "$1F",
                                "0x7fffffff",
                                "2147483648",
                                "1e5",
                                "1E",
                                ".5",
                                "5.",
                                "",
                                " ",
                                "12 ",
                                "\xd9\xab",
                                "1\xd9\xab"
                                "5",
                                "\xff\xfe"
                                "1",
                                "1\xc3\xa9",
                                "\xef\xbc\x91"};
    for (const QByteArray& text : texts)
        for (QChar separator : {QChar(u'.'), QChar(u','), QChar(0x066B)})
            QTest::addRow("%s %04x", text.toHex().constData(), separator.unicode())
                << text << separator;
}

void TestNumbers::readsCellBytesAsTheirText() {
    // The in-place readers of the totals must agree with the readers of the
    // decoded text, whatever bytes a loaded cell holds.
    QFETCH(QByteArray, utf8);
    QFETCH(QChar, separator);
    const QString text = QString::fromUtf8(utf8);
    QCOMPARE(readInt32(QByteArrayView(utf8)), readInt32(QStringView(text)));
    QCOMPARE(readDecimal(QByteArrayView(utf8), separator),
             readDecimal(QStringView(text), separator));
}

void TestNumbers::processLocaleIsTheEnvironments() {
    // The application object set the C library's locale from LC_ALL, as it
    // does for the program; "C" here means the locale was never generated,
    // and a run meant for a comma locale would test nothing.
    const QByteArray wanted = qgetenv("LC_ALL");
    if (wanted.isEmpty())
        QSKIP("LC_ALL is not set");
    QVERIFY2(wanted == std::setlocale(LC_NUMERIC, nullptr),
             qPrintable("locale " + wanted + " missing: run scripts/install-deps"));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
