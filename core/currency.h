// The 64-bit fixed-point type with four decimals that the row arithmetic rounds through.
#pragma once

#include <QtGlobal>
#include <optional>

namespace vantrel {

// Value in ten-thousandths, rounded half to even; nullopt beyond the 64-bit range.
std::optional<qint64> toCurrency(double value);

// Divides a fixed-point value the way the reference arithmetic does: in extended
// precision, then stored as a double.
double currencyDividedBy(qint64 currency, double divisor);

} // namespace vantrel
