// The lens tab's "###.#" number format and its whole-number rounding.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace vantrel::lens {

// "###.#": the value taken to 18 significant digits, then to one decimal with
// halves away from zero; the separator and the decimal only when that digit is
// not 0; "" below 0.01 (and for 0); ".0" (with the given separator) from 0.01 up
// to 0.05, whatever the sign.
QString formatOneDecimal(long double value, QChar separator);

// The nearest whole number, halves to the even neighbour; nothing when the
// value is not finite or does not fit in 64 bits.
std::optional<qint64> roundToWhole(long double value);

} // namespace vantrel::lens
