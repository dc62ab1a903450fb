#include "lens/lensformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace vantrel::lens {

namespace {

constexpr int kSignificantDigits = 18;

// The 18 significant digits of |value| and the decimal exponent of the first.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal significantDigits(long double magnitude) {
    // to_chars writes "." whatever the process locale, rounding correctly.
    char buf[64];
    char* const end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                    kSignificantDigits - 1)
                          .ptr;
    const char* const e = std::find(buf, end, 'e');
    Decimal d;
    d.digits.assign(buf, std::size_t(e - buf));
    d.digits.erase(1, 1); // the "." after the first digit
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, d.exponent);
    return d;
}

// Ten times the value, rounded half away from zero, as decimal digits.
std::string tenthsOf(const Decimal& d) {
    const int kept = d.exponent + 2; // digits left of the hundredths
    std::string tenths;
    char next = '0';
    if (kept <= 0) {
        next = kept == 0 ? d.digits[0] : '0';
    } else if (kept >= int(d.digits.size())) {
        tenths = d.digits + std::string(std::size_t(kept) - d.digits.size(), '0');
    } else {
        tenths = d.digits.substr(0, std::size_t(kept));
        next = d.digits[std::size_t(kept)];
    }
    if (next >= '5') {
        int k = int(tenths.size()) - 1;
        while (k >= 0 && tenths[std::size_t(k)] == '9')
            tenths[std::size_t(k--)] = '0';
        if (k < 0)
            tenths.insert(tenths.begin(), '1');
        else
            ++tenths[std::size_t(k)];
    }
    // Without leading zeros, but never empty: the caller reads the last digit.
    const std::size_t firstNonZero = tenths.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string(1, '0') : tenths.substr(firstNonZero);
}

// Compares the 18-digit value with 10^exponent * mantissa for mantissa 1 or 5.
bool below(const Decimal& d, int exponent, char mantissa) {
    if (d.exponent != exponent)
        return d.exponent < exponent;
    return d.digits[0] < mantissa;
}

} // namespace

QString formatOneDecimal(long double value, QChar separator) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QString();
    const Decimal d = significantDigits(std::fabs(value));
    if (below(d, -2, '1'))
        return QString();
    if (below(d, -2, '5'))
        return QString(separator) + u'0';
    const std::string tenths = tenthsOf(d);
    QString out;
    if (value < 0)
        out += u'-';
    out += QString::fromLatin1(tenths.data(), qsizetype(tenths.size()) - 1);
    const char decimal = tenths.back();
    if (decimal != '0') {
        out += separator;
        out += QChar(u'0' + (decimal - '0'));
    }
    return out;
}

std::optional<qint64> roundToWhole(long double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const long double whole = std::nearbyintl(value);
    // 2^63 is exact in long double; the range is checked before converting.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (whole >= kLimit || whole < -kLimit)
        return std::nullopt;
    return static_cast<qint64>(whole);
}

} // namespace vantrel::lens
