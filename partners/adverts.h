// The partner-link table: thirteen built-in banner records, each meant for a
// language and a set of time-zone offsets.
#pragma once

#include <QString>
#include <QtGlobal>

namespace vantrel {

// One banner record. Every field but Weight is constant for the whole run.
struct AdRec {
    QString Banner;
    QString AltBanner;   // empty in most records
    QString LinkTarget;  // the full address a click opens
    QString LinkCaption; // host and path of LinkTarget, without scheme and codes
    qint32 Language;     // language byte the record is meant for; 0: any
    quint32 TimeZones;   // bit (hours + 12) set: the offset in hours is admitted
    qint32 Weight;       // taken when a draw from 0..9 is at most this; -1 never
};

inline constexpr int kAdCount = 13;

// Bit mask admitting the whole-hour offsets from `from` to `to`.
constexpr quint32 zoneHours(int from, int to) {
    quint32 mask = 0;
    for (int h = from; h <= to; ++h)
        mask |= quint32(1) << (h + 12);
    return mask;
}

// Record `number` (1 to kAdCount) as built into the program.
const AdRec& builtInAd(int number);

} // namespace vantrel
