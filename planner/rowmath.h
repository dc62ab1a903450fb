// The arithmetic of one camera-type row and of the totals, free of widgets.
#pragma once

#include "planner/planrows.h"

#include <QLocale>
#include <optional>

namespace vantrel {

// A cell's stored text read as a number by the locale-aware conversion, then
// by the program's own decimal parse; nullopt when both reject it. Read in
// place: a loaded cell may hold megabytes.
std::optional<double> cellNumber(QByteArrayView utf8, const QLocale& locale);

// A computed cell (bandwidth, disk space) as any system wrote it: never
// grouped, so a full stop, a comma or the local separator can only be its
// decimal separator. A plan saved under another locale keeps its totals.
std::optional<double> computedCellNumber(QByteArrayView utf8, QChar decimalSeparator);

// product / divisor after rounding the product to four decimals in the 64-bit
// fixed-point type; beyond that type's range the same quotient in double, so a
// large system still gets a current result. A product that is no number at all
// (infinite or undefined, from absurd loaded texts) gives nullopt: the
// recalculation fails there, as for a text that is not a number.
std::optional<double> fixedPointQuotient(double product, double divisor);

std::optional<double> bandwidthMbits(double frameSizeKB, double fps, double cameras);
std::optional<double> diskSpaceGB(double frameSizeKB, double fps, double days, double cameras);

struct Totals {
    qint64 fps = 0; // summed in 64 bits: FPS x cameras of many rows passes 2^31
    double bandwidth = 0;
    double diskSpace = 0;
};

// Sums over top-level rows: cells 6 and 7 as computed cells (0 when not a
// number), FPS x cameras by the integer reader (0 when not an integer).
Totals computeTotals(const TPlanRows& rows, QChar decimalSeparator);

} // namespace vantrel
