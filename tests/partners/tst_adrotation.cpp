// Choosing partner records by language and zone, and the rotation's gates.
#include "partners/adrotation.h"
#include "tests/support/fakeplatform.h"

#include <QSet>
#include <QTest>
#include <optional>

using namespace vantrel;
using vantrel::test::FakePlatform;

namespace {
constexpr quint16 kEnglish = 0x0409, kRussian = 0x0419, kGerman = 0x0407, kFrench = 0x040C;
int biasOf(int hours) {
    return -60 * hours;
}
// A seed whose generator gives `value` as its first draw from 0 to 99.
std::optional<quint32> seedFirstDrawing(int value) {
    for (quint32 seed = 0; seed < 100000; ++seed) {
        TRandom probe;
        probe.seed(seed);
        if (probe.draw(100) == value)
            return seed;
    }
    return std::nullopt;
}
} // namespace

class TestAdRotation : public QObject {
    Q_OBJECT
private slots:
    void firstPick_data();
    void firstPick();
    void picksOnlyAdmittedRecords_data();
    void picksOnlyAdmittedRecords();
    void readsLanguageAfresh();
    void searchEndsOutsideZones_data();
    void searchEndsOutsideZones();
    void germanRecordByZone();
    void gatesKeepBanner_data();
    void gatesKeepBanner();
    void chanceGateBoundary_data();
    void chanceGateBoundary();
    void intervalSurvivesLargeTicks();
    void retiredNotesNeverReturn_data();
    void retiredNotesNeverReturn();
    void altBannerOdds();
    void rotationsDrawApart();

private:
    // A rotation whose draws repeat from run to run.
    TAdverts seeded(quint32 seed = 20071207) {
        TAdverts ads(m_platform);
        ads.random().seed(seed);
        return ads;
    }

    FakePlatform m_platform;
};

void TestAdRotation::firstPick_data() {
    QTest::addColumn<quint16>("lang");
    QTest::addColumn<int>("bias");
    QTest::addColumn<QList<int>>("allowed");
    QTest::newRow("English UTC+1") << kEnglish << biasOf(1) << QList<int>{1};
    QTest::newRow("German UTC-5") << kGerman << biasOf(-5) << QList<int>{1};
    QTest::newRow("Russian UTC+3") << kRussian << biasOf(3) << QList<int>{2};
    QTest::newRow("Russian UTC+3:30") << kRussian << -210 << QList<int>{2};
    // +2:30 truncates to +2, which record 2 does not admit.
    QTest::newRow("Russian UTC+2:30") << kRussian << -150 << QList<int>{7, 10, 11, 13};
    QTest::newRow("Russian UTC+2") << kRussian << biasOf(2) << QList<int>{7, 10, 11, 13};
}

void TestAdRotation::firstPick() {
    QFETCH(quint16, lang);
    QFETCH(int, bias);
    QFETCH(QList<int>, allowed);
    m_platform.langId = lang;
    m_platform.biasMinutes = bias;
    QSet<int> seen;
    for (quint32 seed = 0; seed < 200; ++seed) {
        TAdverts ads = seeded(seed);
        const AdTexts shown = ads.firstAd();
        QVERIFY2(allowed.contains(ads.CurrentAd()), qPrintable(QString::number(ads.CurrentAd())));
        QCOMPARE(shown.banner, builtInAd(ads.CurrentAd()).Banner);
        QCOMPARE(shown.link, builtInAd(ads.CurrentAd()).LinkCaption);
        seen << ads.CurrentAd();
    }
    QCOMPARE(seen, QSet<int>(allowed.begin(), allowed.end()));
}

void TestAdRotation::picksOnlyAdmittedRecords_data() {
    QTest::addColumn<quint16>("lang");
    for (quint16 lang : {kEnglish, kRussian, kGerman, kFrench})
        QTest::newRow(qPrintable(QString::number(lang, 16))) << lang;
}

void TestAdRotation::picksOnlyAdmittedRecords() {
    QFETCH(quint16, lang);
    m_platform.langId = lang;
    for (int hours = -12; hours <= 12; ++hours) {
        m_platform.biasMinutes = biasOf(hours);
        TAdverts ads = seeded();
        for (int n = 0; n < 40; ++n) {
            const AdRec& ad = builtInAd(ads.ChooseAd());
            QVERIFY(ad.TimeZones & (1u << (hours + 12)));
            QVERIFY(ad.Language == 0 || ad.Language == (lang & 0xFF));
            QVERIFY(!(lang == kRussian && ads.CurrentAd() == 1));
        }
    }
}

void TestAdRotation::readsLanguageAfresh() {
    m_platform.biasMinutes = biasOf(3);
    TAdverts ads = seeded();
    m_platform.langId = kRussian;
    QCOMPARE(ads.ChooseAd(), 2);
}

void TestAdRotation::searchEndsOutsideZones_data() {
    QTest::addColumn<quint16>("lang");
    QTest::addColumn<int>("bias");
    QTest::addColumn<bool>("retired");
    QTest::addColumn<int>("expected");
    QTest::newRow("English +14") << kEnglish << biasOf(14) << false << 1;
    QTest::newRow("English +13") << kEnglish << biasOf(13) << false << 1;
    QTest::newRow("English -13") << kEnglish << biasOf(-13) << false << 1;
    QTest::newRow("Russian +14") << kRussian << biasOf(14) << false << 2;
    QTest::newRow("Russian +14 retired") << kRussian << biasOf(14) << true << 3;
    QTest::newRow("German +13 retired") << kGerman << biasOf(13) << true << 3;
}

void TestAdRotation::searchEndsOutsideZones() {
    QFETCH(quint16, lang);
    QFETCH(int, bias);
    QFETCH(bool, retired);
    QFETCH(int, expected);
    m_platform.langId = lang;
    m_platform.biasMinutes = bias;
    TAdverts ads = seeded();
    if (retired) {
        ads.setLastAdTick(m_platform.tick); // retires the notes, changes nothing
        ads.afterRecalculation(5);
    }
    QCOMPARE(ads.ChooseAd(), expected);
}

void TestAdRotation::germanRecordByZone() {
    m_platform.langId = kGerman;
    for (int hours : {1, -5}) {
        m_platform.biasMinutes = biasOf(hours);
        TAdverts ads = seeded();
        int nines = 0;
        for (int n = 0; n < 300; ++n)
            nines += ads.ChooseAd() == 9;
        QCOMPARE(nines > 0, hours == 1);
    }
}

void TestAdRotation::gatesKeepBanner_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("counter");
    QTest::addColumn<quint64>("sinceLast");
    QTest::addColumn<bool>("retires");
    QTest::addColumn<bool>("restartsInterval");
    QTest::newRow("day before start") << 39422 << 50 << quint64(60000) << false << false;
    QTest::newRow("fourth recalculation") << 46000 << 4 << quint64(60000) << false << false;
    QTest::newRow("negative counter") << 46000 << -1 << quint64(60000) << false << false;
    QTest::newRow("within 10 s") << 46000 << 5 << quint64(9999) << true << false;
    QTest::newRow("at 10 s") << 39423 << 5 << quint64(10000) << true << true;
}

void TestAdRotation::gatesKeepBanner() {
    QFETCH(int, day);
    QFETCH(int, counter);
    QFETCH(quint64, sinceLast);
    QFETCH(bool, retires);
    QFETCH(bool, restartsInterval);
    m_platform.dayNumber = day;
    TAdverts ads = seeded();
    ads.firstAd();
    ads.setLastAdTick(m_platform.tick);
    m_platform.tick += sinceLast;
    const auto changed = ads.afterRecalculation(counter);
    QCOMPARE(ads.weight(1) == -1 && ads.weight(2) == -1, retires);
    QCOMPARE(ads.LastAdTick() == m_platform.tick, restartsInterval);
    if (!restartsInterval) {
        QVERIFY(!changed);
        QCOMPARE(ads.CurrentAd(), 1);
    }
}

void TestAdRotation::chanceGateBoundary_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<bool>("rotates");
    QTest::newRow("60 rotates") << 60 << true;
    QTest::newRow("61 keeps the banner") << 61 << false;
}

// With every other gate open, a fresh rotation's first draw is the chance:
// 61 in 100, the draws 0 to 60.
void TestAdRotation::chanceGateBoundary() {
    QFETCH(int, draw);
    QFETCH(bool, rotates);
    m_platform.langId = kEnglish;
    m_platform.biasMinutes = biasOf(1);
    m_platform.dayNumber = 46000;
    const auto seed = seedFirstDrawing(draw);
    QVERIFY(seed);
    TAdverts ads = seeded(*seed);
    QCOMPARE(ads.afterRecalculation(5).has_value(), rotates);
    QCOMPARE(ads.CurrentAd() > 2, rotates);
    QCOMPARE(ads.LastAdTick(), m_platform.tick); // a losing draw restarts the interval too
}

void TestAdRotation::intervalSurvivesLargeTicks() {
    TAdverts ads = seeded();
    ads.setLastAdTick((quint64(1) << 32) - 5000); // past a 32-bit counter's wrap
    m_platform.tick = (quint64(1) << 32) + 4000;
    ads.afterRecalculation(5);
    QCOMPARE(ads.LastAdTick(), (quint64(1) << 32) - 5000);
    m_platform.tick += 1000;
    ads.afterRecalculation(5);
    QCOMPARE(ads.LastAdTick(), m_platform.tick);
}

void TestAdRotation::retiredNotesNeverReturn_data() {
    QTest::addColumn<quint16>("lang");
    QTest::addColumn<int>("bias");
    QTest::newRow("English UTC+1") << kEnglish << biasOf(1);
    QTest::newRow("Russian UTC+3") << kRussian << biasOf(3);
}

void TestAdRotation::retiredNotesNeverReturn() {
    QFETCH(quint16, lang);
    QFETCH(int, bias);
    m_platform.langId = lang;
    m_platform.biasMinutes = bias;
    TAdverts ads = seeded();
    ads.firstAd();
    QVERIFY(ads.CurrentAd() <= 2);
    bool rotated = false;
    for (int n = 0; n < 1000; ++n) {
        m_platform.tick += 10000;
        rotated |= ads.afterRecalculation(5 + n).has_value();
        QVERIFY(!rotated || ads.CurrentAd() > 2);
    }
    QVERIFY(rotated);
}

// How often the banner rotates is the chance gate's (chanceGateBoundary).
void TestAdRotation::altBannerOdds() {
    m_platform.biasMinutes = biasOf(-5); // admits records 3 to 8
    TAdverts ads = seeded();
    ads.firstAd();
    int withAlt = 0, alts = 0;
    for (int n = 0; n < 6000; ++n) {
        m_platform.tick += 10000;
        const auto texts = ads.afterRecalculation(5);
        if (!texts)
            continue;
        const AdRec& ad = builtInAd(ads.CurrentAd());
        QCOMPARE(texts->link, ad.LinkCaption);
        QVERIFY(texts->banner == ad.Banner || texts->banner == ad.AltBanner);
        if (!ad.AltBanner.isEmpty()) {
            ++withAlt;
            alts += texts->banner == ad.AltBanner;
        }
    }
    const double altRate = double(alts) / withAlt;
    QVERIFY2(altRate > 0.29 && altRate < 0.38, qPrintable(QString::number(altRate)));
}

// Each rotation draws from its own generator: one's picks do not move another's.
void TestAdRotation::rotationsDrawApart() {
    TAdverts a = seeded(), b = seeded(), alone = seeded();
    for (int n = 0; n < 50; ++n) {
        const int picked = a.ChooseAd();
        b.ChooseAd();
        QCOMPARE(alone.ChooseAd(), picked);
    }
    QCOMPARE(b.CurrentAd(), a.CurrentAd());
}

QTEST_GUILESS_MAIN(TestAdRotation)
#include "tst_adrotation.moc"
