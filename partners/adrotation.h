// Which partner record is on show, how the next one is chosen, and when the
// banner may rotate after a recalculation.
#pragma once

#include "core/random.h"
#include "partners/adverts.h"

#include <QString>
#include <array>
#include <optional>

namespace vantrel {

class TPlatform;

// The texts the two banner labels are to show.
struct AdTexts {
    QString banner;
    QString link;
};

// The rotation's state for one run: the record on show, the moment the
// rotation interval last opened, the weights (records 1 and 2 retire) and the
// generator the draws come from. The platform answers the language, the time
// zone, the date and the clock.
class TAdverts {
public:
    explicit TAdverts(const TPlatform& platform);

    // Picks a record by language, time-zone offset and weight, searching from
    // the one after the record on show; stores and returns its number.
    int ChooseAd();
    // The banner rotation after a recalculation; the new texts when the banner
    // changes, nothing otherwise.
    std::optional<AdTexts> afterRecalculation(int recalcCounter);
    // The first pick at start-up: never the alternative banner.
    AdTexts firstAd();

    int CurrentAd() const { return m_currentAd; } // 0 before the first pick
    quint64 LastAdTick() const { return m_lastAdTick; }
    void setLastAdTick(quint64 tick) { m_lastAdTick = tick; }
    int weight(int number) const { return m_weights[std::size_t(number - 1)]; }
    // The record on show, or nullptr before the first pick.
    const AdRec* current() const;
    // Seeded once at start-up; tests seed it to repeat a run's draws.
    TRandom& random() { return m_random; }

private:
    bool admits(int number, int lang, int hours) const;
    int fallbackFrom(int start, int lang) const;
    QString bannerOf(const AdRec& ad);

    const TPlatform& m_platform;
    int m_currentAd = 0;
    quint64 m_lastAdTick = 0;
    std::array<int, kAdCount> m_weights{};
    TRandom m_random;
};

// Whole hours east of UTC for a bias in minutes, truncated toward zero.
int zoneHoursOfBias(int biasMinutes);

} // namespace vantrel
