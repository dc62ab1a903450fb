// The desktop platform's pure answers: language identifiers, day numbers and
// the standard-time bias of named zones; and the user's decimal separator.
#include "platform/desktopplatform.h"

#include <QTest>
#include <clocale>

using namespace vantrel;

class TestDesktopPlatform : public QObject {
    Q_OBJECT
private slots:
    void primaryLanguages_data();
    void primaryLanguages();
    void dayNumbers_data();
    void dayNumbers();
    void standardBias_data();
    void standardBias();
    void decimalSeparatorIsTheUsers();
};

void TestDesktopPlatform::primaryLanguages_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<int>("id");
    QTest::newRow("Russian") << QLocale::Russian << 25;
    QTest::newRow("English") << QLocale::English << 9;
    QTest::newRow("German") << QLocale::German << 7;
    QTest::newRow("Ukrainian") << QLocale::Ukrainian << 0x22;
    QTest::newRow("Serbian shares Croatian's") << QLocale::Serbian << 0x1A;
    QTest::newRow("C locale") << QLocale::C << 0;
    QTest::newRow("unlisted") << QLocale::Esperanto << 0;
}

void TestDesktopPlatform::primaryLanguages() {
    QFETCH(QLocale::Language, language);
    QFETCH(int, id);
    QCOMPARE(int(primaryLanguageId(language)), id);
}

void TestDesktopPlatform::dayNumbers_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("day");
    QTest::newRow("origin") << QDate(1899, 12, 30) << 0;
    QTest::newRow("after 1900's February") << QDate(1900, 3, 1) << 61;
    QTest::newRow("rotation start") << QDate(2007, 12, 7) << 39423;
    QTest::newRow("day before it") << QDate(2007, 12, 6) << 39422;
    QTest::newRow("leap day") << QDate(2024, 2, 29) << 45351;
}

void TestDesktopPlatform::dayNumbers() {
    QFETCH(QDate, date);
    QFETCH(int, day);
    QCOMPARE(dayNumberOf(date.year(), date.month(), date.day()), day);
}

void TestDesktopPlatform::standardBias_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("bias");
    QTest::newRow("Moscow") << QByteArray("Europe/Moscow") << -180;
    QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata") << -330;
    QTest::newRow("St John's, half an hour") << QByteArray("America/St_Johns") << 210;
    QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << -60;
    QTest::newRow("Kiritimati") << QByteArray("Pacific/Kiritimati") << -840;
    QTest::newRow("UTC") << QByteArray("UTC") << 0;
}

void TestDesktopPlatform::standardBias() {
    QFETCH(QByteArray, zone);
    QFETCH(int, bias);
    const bool wasSet = qEnvironmentVariableIsSet("TZ");
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", zone);
    const int got = TDesktopPlatform().timeZoneBiasMinutes();
    if (wasSet)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
    QCOMPARE(got, bias);
}

void TestDesktopPlatform::decimalSeparatorIsTheUsers() {
    // The C library, set from the environment by the application object,
    // is the independent witness here: "," under de_DE and ru_RU.
    QCOMPARE(TDesktopPlatform().decimalSeparator(),
             QChar::fromLatin1(std::localeconv()->decimal_point[0]));
}

QTEST_GUILESS_MAIN(TestDesktopPlatform)
#include "tst_desktopplatform.moc"
