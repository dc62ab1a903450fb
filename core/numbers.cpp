#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace vantrel {

namespace {

// One code unit of a text as a number: UTF-16 units, or UTF-8 bytes (whose
// non-ASCII bytes, 0x80 and above, never match what a number is made of).
char32_t unitAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}
char32_t unitAt(QByteArrayView text, qsizetype i) {
    return static_cast<unsigned char>(text[i]);
}

int hexDigit(char32_t u) {
    if (u >= '0' && u <= '9')
        return int(u - '0');
    if (u >= 'a' && u <= 'f')
        return int(u - 'a' + 10);
    if (u >= 'A' && u <= 'F')
        return int(u - 'A' + 10);
    return -1;
}

bool isAsciiDigit(char32_t u) {
    return u >= '0' && u <= '9';
}

template <class View> qsizetype skipSpaces(View text, qsizetype i) {
    while (i < text.size() && unitAt(text, i) == ' ')
        ++i;
    return i;
}

template <class View> std::optional<qint32> readInt32In(View text) {
    const auto at = [&](qsizetype i) { return unitAt(text, i); };
    qsizetype i = skipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (at(i) == '+' || at(i) == '-')) {
        negative = at(i) == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (at(i) == '$' || at(i) == 'x' || at(i) == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && at(i) == '0' && (at(i + 1) == 'x' || at(i + 1) == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = base == 16 || isAsciiDigit(at(i)) ? hexDigit(at(i)) : -1;
        if (d < 0)
            return std::nullopt;
        magnitude = magnitude * base + d;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

// Whether a number in C notation that lies outside a double's range does so
// by being too small: below 1, whatever its digits and exponent look like.
bool belowOne(std::string_view c) {
    const std::size_t e = std::min(c.find('e'), c.size());
    const std::string_view mantissa = c.substr(0, e);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    // The value is below 10^order times ten to the exponent, and not below a tenth of it.
    const long long order =
        first < point ? (long long)(point - first) : -(long long)(first - point - 1);
    if (e == c.size())
        return order <= 0;
    const std::size_t digits = e + 1 + (c[e + 1] == '+');
    long long exponent = 0;
    if (std::from_chars(c.data() + digits, c.data() + c.size(), exponent).ec != std::errc())
        return c[e + 1] == '-'; // an exponent beyond 64 bits decides alone
    return exponent <= -order;
}

template <class View> std::optional<double> readDecimalIn(View text, char32_t separator) {
    // Rebuild the number in C notation, then convert it exactly.
    const auto at = [&](qsizetype i) { return unitAt(text, i); };
    std::string c; // short numbers stay in the string's own buffer
    qsizetype i = skipSpaces(text, 0);
    if (i < text.size() && (at(i) == '+' || at(i) == '-'))
        c += char(at(i++));
    int mantissaDigits = 0;
    for (; i < text.size() && isAsciiDigit(at(i)); ++i, ++mantissaDigits)
        c += char(at(i));
    if (i < text.size() && at(i) == separator) {
        c += '.';
        for (++i; i < text.size() && isAsciiDigit(at(i)); ++i, ++mantissaDigits)
            c += char(at(i));
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (at(i) == 'e' || at(i) == 'E')) {
        c += 'e';
        ++i;
        if (i < text.size() && (at(i) == '+' || at(i) == '-'))
            c += char(at(i++));
        int exponentDigits = 0;
        for (; i < text.size() && isAsciiDigit(at(i)); ++i, ++exponentDigits)
            c += char(at(i));
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (skipSpaces(text, i) != text.size())
        return std::nullopt;
    const char* first = c.data();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0;
    const auto [end, ec] = std::from_chars(first, c.data() + c.size(), value);
    if (end != c.data() + c.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large has no value; too small is as near to zero as a double gets.
        if (!belowOne(c))
            return std::nullopt;
        return c.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

} // namespace

std::optional<qint32> readInt32(QStringView text) {
    return readInt32In(text);
}
std::optional<qint32> readInt32(QByteArrayView utf8) {
    return readInt32In(utf8);
}

std::optional<double> readDecimal(QStringView text, QChar separator) {
    return readDecimalIn(text, separator.unicode());
}

std::optional<double> readDecimal(QByteArrayView utf8, QChar separator) {
    // A separator beyond ASCII is several bytes in UTF-8: compare decoded text.
    if (separator.unicode() >= 0x80)
        return readDecimal(QString::fromUtf8(utf8), separator);
    return readDecimalIn(utf8, separator.unicode());
}

std::optional<double> readLocaleNumber(QStringView text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    return readDecimal(text, decimalSeparatorOf(locale));
}

QChar decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

namespace {

// Fifteen significant digits of |value| rounded half away from zero, and the
// decimal exponent of the first digit.
struct Digits {
    std::string digits; // exactly 15 characters
    int exponent = 0;
};

// Every digit of a double's exact binary value: at most 767 significant ones.
constexpr int kExactDigits = 770;

Digits fifteenDigits(double magnitude) {
    // All digits are printed, so ties are seen as ties; to_chars writes "."
    // and no grouping whatever the process locale.
    char buf[kExactDigits + 16];
    char* const end =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kExactDigits)
            .ptr;
    const char* const e = std::find(buf, end, 'e');
    std::string mantissa(buf, std::size_t(e - buf));
    mantissa.erase(1, 1); // the "." after the first digit
    Digits d;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, d.exponent);
    d.digits = mantissa.substr(0, 15);
    if (mantissa[15] >= '5') {
        int k = 14;
        while (k >= 0 && d.digits[k] == '9')
            d.digits[k--] = '0';
        if (k < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[k];
        }
    }
    return d;
}

} // namespace

QString formatGeneral(double value, QChar separator) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    const Digits d = fifteenDigits(std::fabs(value));
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    QString out;
    if (value < 0)
        out += u'-';
    const bool fixed = d.exponent < 15 && d.exponent >= -5;
    if (fixed) {
        if (d.exponent < 0) {
            out += u'0';
            out += separator;
            out += QString(-d.exponent - 1, u'0');
            out += QString::fromLatin1(digits.data(), qsizetype(digits.size()));
        } else {
            const std::size_t whole = std::size_t(d.exponent) + 1;
            const std::string padded =
                digits.size() < whole ? digits + std::string(whole - digits.size(), '0') : digits;
            out += QString::fromLatin1(padded.data(), qsizetype(whole));
            if (padded.size() > whole) {
                out += separator;
                out += QString::fromLatin1(padded.data() + whole, qsizetype(padded.size() - whole));
            }
        }
        return out;
    }
    out += QChar(u'0' + (digits[0] - '0'));
    if (digits.size() > 1) {
        out += separator;
        out += QString::fromLatin1(digits.data() + 1, qsizetype(digits.size() - 1));
    }
    out += u'E';
    out += QString::number(d.exponent);
    return out;
}

} // namespace vantrel
