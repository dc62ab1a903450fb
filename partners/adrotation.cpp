// Choosing the partner record to show and rotating it after recalculations.
#include "partners/adrotation.h"

#include "platform/platform.h"

namespace vantrel {

namespace {

constexpr int kRotationStartDay = 39423; // 7 December 2007
constexpr int kRecalcsBeforeRotation = 5;
constexpr quint64 kRotationIntervalMs = 10000;
constexpr int kRotationChanceIn100 = 61;

int nextNumber(int number) {
    return number % kAdCount + 1;
}

// The English frame-size note is never shown on a Russian system.
int skipForLanguage(int number, int lang) {
    return number == 1 && lang == kRussianLanguage ? 2 : number;
}

bool speaks(const AdRec& ad, int lang) {
    return ad.Language == 0 || ad.Language == lang;
}

} // namespace

int zoneHoursOfBias(int biasMinutes) {
    return -(biasMinutes / 60);
}

TAdverts::TAdverts(const TPlatform& platform) : m_platform(platform) {
    for (int n = 1; n <= kAdCount; ++n)
        m_weights[std::size_t(n - 1)] = builtInAd(n).Weight;
}

const AdRec* TAdverts::current() const {
    return m_currentAd >= 1 && m_currentAd <= kAdCount ? &builtInAd(m_currentAd) : nullptr;
}

bool TAdverts::admits(int number, int lang, int hours) const {
    const AdRec& ad = builtInAd(number);
    const int bit = hours + 12;
    const bool zone = bit >= 0 && bit <= 31 && (ad.TimeZones >> bit) & 1u;
    return zone && speaks(ad, lang);
}

// For an offset no record admits: the first record from `start` in the
// language, so the search still ends; the record on show when there is none.
int TAdverts::fallbackFrom(int start, int lang) const {
    int i = start;
    for (int visited = 0; visited < kAdCount; ++visited, i = nextNumber(i)) {
        i = skipForLanguage(i, lang);
        if (speaks(builtInAd(i), lang) && weight(i) >= 0)
            return i;
    }
    return m_currentAd;
}

int TAdverts::ChooseAd() {
    const int lang = languageByte(m_platform);
    const int hours = zoneHoursOfBias(m_platform.timeZoneBiasMinutes());
    const int start = nextNumber(m_currentAd);

    // The draw loop below ends only if some record can win a draw.
    bool anyTakeable = false;
    for (int n = 1; n <= kAdCount; ++n)
        anyTakeable |= skipForLanguage(n, lang) == n && admits(n, lang, hours) && weight(n) >= 0;
    if (!anyTakeable)
        return m_currentAd = fallbackFrom(start, lang);

    for (int i = start;; i = nextNumber(i)) {
        i = skipForLanguage(i, lang);
        if (admits(i, lang, hours) && m_random.draw(10) <= weight(i))
            return m_currentAd = i;
    }
}

QString TAdverts::bannerOf(const AdRec& ad) {
    if (!ad.AltBanner.isEmpty() && m_random.draw(3) == 1)
        return ad.AltBanner;
    return ad.Banner;
}

std::optional<AdTexts> TAdverts::afterRecalculation(int recalcCounter) {
    if (m_platform.localDayNumber() < kRotationStartDay)
        return std::nullopt;
    if (recalcCounter < kRecalcsBeforeRotation)
        return std::nullopt;
    // From here on the frame-size notes give way to the partner records.
    m_weights[0] = m_weights[1] = -1;
    if (m_lastAdTick + kRotationIntervalMs > m_platform.tickCount())
        return std::nullopt;
    m_lastAdTick = m_platform.tickCount();
    if (m_random.draw(100) >= kRotationChanceIn100)
        return std::nullopt;
    ChooseAd();
    const AdRec* ad = current();
    if (!ad)
        return std::nullopt;
    return AdTexts{bannerOf(*ad), ad->LinkCaption};
}

AdTexts TAdverts::firstAd() {
    ChooseAd();
    const AdRec* ad = current();
    return ad ? AdTexts{ad->Banner, ad->LinkCaption} : AdTexts{};
}

} // namespace vantrel
