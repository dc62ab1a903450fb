#include "planner/rowmath.h"

#include "core/currency.h"
#include "core/numbers.h"
#include "planner/exactsum.h"

#include <cmath>

namespace vantrel {

std::optional<double> cellNumber(QByteArrayView utf8, const QLocale& locale) {
    return readLocaleNumber(utf8, locale);
}

std::optional<double> computedCellNumber(QByteArrayView utf8, QChar decimalSeparator) {
    const QChar separators[] = {decimalSeparator, u'.', u','};
    return readDecimalAny(utf8, QStringView(separators, 3));
}

std::optional<double> fixedPointQuotient(double product, double divisor) {
    if (!std::isfinite(product))
        return std::nullopt;
    if (const auto currency = toCurrency(product))
        return currencyDividedBy(*currency, divisor);
    return product / divisor;
}

std::optional<double> bandwidthMbits(double frameSizeKB, double fps, double cameras) {
    const double product = frameSizeKB * fps * cameras * 8;
    return fixedPointQuotient(product, 1000);
}

std::optional<double> diskSpaceGB(double frameSizeKB, double fps, double days, double cameras) {
    const double product = frameSizeKB * fps * days * cameras * 24 * 60 * 60;
    return fixedPointQuotient(product, 1024 * 1024);
}

Totals computeTotals(const TPlanRows& rows, QChar decimalSeparator) {
    Totals totals;
    TExactSum bandwidth, diskSpace;
    for (int row = 0; row < rows.rowCount(); ++row) {
        // Read in place: this runs over every row at each keystroke.
        const auto text = [&](int cell) { return rows.cellBytes(row, cell); };
        bandwidth.add(computedCellNumber(text(kBandwidth), decimalSeparator).value_or(0));
        diskSpace.add(computedCellNumber(text(kDiskSpace), decimalSeparator).value_or(0));
        totals.fps += qint64(readInt32Or(text(kFps), 0)) * readInt32Or(text(kCameras), 0);
    }
    totals.bandwidth = bandwidth.value();
    totals.diskSpace = diskSpace.value();
    return totals;
}

} // namespace vantrel
