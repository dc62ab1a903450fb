#include "core/currency.h"

#include <cmath>

namespace vantrel {

std::optional<qint64> toCurrency(double value) {
    const long double scaled = std::nearbyint(static_cast<long double>(value) * 10000.0L);
    constexpr long double limit = 9223372036854775808.0L; // 2^63
    if (!(scaled < limit && scaled >= -limit))
        return std::nullopt; // also NaN
    return static_cast<qint64>(scaled);
}

double currencyDividedBy(qint64 currency, double divisor) {
    const long double asValue = static_cast<long double>(currency) / 10000.0L;
    return static_cast<double>(asValue / static_cast<long double>(divisor));
}

} // namespace vantrel
