#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

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

// The decimal separators a reader accepts, as the code units a text holds
// them in: UTF-16 units, or each separator's UTF-8 bytes.
class Separators {
public:
    Separators(QStringView separators, bool utf8) {
        for (const QChar s : separators.first(std::min<qsizetype>(separators.size(), 3))) {
            Unit& u = m_units[m_count++];
            if (!utf8 || s.unicode() < 0x80) {
                u.bytes[0] = s.unicode();
                u.size = 1;
                continue;
            }
            const QByteArray bytes = QString(s).toUtf8();
            u.size = int(std::min<qsizetype>(bytes.size(), 3));
            for (int k = 0; k < u.size; ++k)
                u.bytes[k] = static_cast<unsigned char>(bytes[k]);
        }
    }
    // How many units a separator at i takes; 0 when none stands there.
    template <class View> qsizetype at(View text, qsizetype i) const {
        for (int n = 0; n < m_count; ++n) {
            const Unit& u = m_units[n];
            if (i + u.size > text.size())
                continue;
            int k = 0;
            while (k < u.size && unitAt(text, i + k) == u.bytes[k])
                ++k;
            if (k == u.size)
                return u.size;
        }
        return 0;
    }

private:
    struct Unit {
        char32_t bytes[3] = {};
        int size = 0;
    };
    Unit m_units[3];
    int m_count = 0;
};

// The significant digits of a decimal number as they are read, without
// keeping more of them than a double can tell apart: every double and every
// midpoint between two has at most 767 significant digits, so the first
// kKept and whether anything but zeros follows decide the rounding.
class SignificantDigits {
public:
    void integerDigit(char d) {
        ++m_count;
        if (!keep(d))
            ++m_scale; // a dropped whole digit still counts its place
    }
    void fractionDigit(char d) {
        ++m_count;
        if (m_size == 0 && d == '0')
            --m_scale; // a leading zero after the separator
        else if (keep(d))
            --m_scale;
    }
    bool any() const { return m_count > 0; }

    // The value times ten to the exponent; nothing when it is too large for a double.
    std::optional<double> value(bool negative, qint64 exponent) {
        if (m_size == 0)
            return negative ? -0.0 : 0.0;
        if (m_sticky) {
            m_digits[m_size++] = '1'; // stands for the nonzero digits dropped
            --m_scale;
        }
        const qint64 power = m_scale + exponent;
        const qint64 order = m_size - 1 + power; // of the first digit
        if (order < -kOrderLimit)
            return negative ? -0.0 : 0.0;
        if (order > kOrderLimit)
            return std::nullopt;
        char* const end = m_digits + m_size;
        *end = 'e';
        char* const last = std::to_chars(end + 1, m_digits + sizeof m_digits, power).ptr;
        double magnitude = 0;
        const auto [stop, ec] = std::from_chars(m_digits, last, magnitude);
        if (ec == std::errc::result_out_of_range) {
            // Too large has no value; too small is as near to zero as a double gets.
            if (order >= 0)
                return std::nullopt;
            magnitude = 0;
        } else if (ec != std::errc() || stop != last) {
            return std::nullopt;
        }
        return negative ? -magnitude : magnitude;
    }

private:
    static constexpr int kKept = 780;
    // Far beyond a double's range either way, yet small enough to print.
    static constexpr qint64 kOrderLimit = 1000;

    // Keeps a significant digit while there is room; false when dropped.
    bool keep(char d) {
        if (m_size == 0 && d == '0')
            return true; // a leading zero takes no room
        if (m_size < kKept) {
            m_digits[m_size++] = d;
            return true;
        }
        m_sticky = m_sticky || d != '0';
        return false;
    }

    char m_digits[kKept + 1 + 24];
    int m_size = 0;
    qint64 m_count = 0;
    qint64 m_scale = 0; // the kept digits as an integer times ten to this
    bool m_sticky = false;
};

// Exponent digits beyond this many decide alone: with any text's number of
// digits, the value is then far outside a double's range.
constexpr qint64 kExponentLimit = qint64(1) << 50;

template <class View> std::optional<double> readDecimalIn(View text, const Separators& separators) {
    // Read in place, in one pass: no copy of the text, however long.
    const auto at = [&](qsizetype i) { return unitAt(text, i); };
    qsizetype i = skipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (at(i) == '+' || at(i) == '-'))
        negative = at(i++) == '-';
    SignificantDigits digits;
    for (; i < text.size() && isAsciiDigit(at(i)); ++i)
        digits.integerDigit(char(at(i)));
    if (const qsizetype width = i < text.size() ? separators.at(text, i) : 0) {
        for (i += width; i < text.size() && isAsciiDigit(at(i)); ++i)
            digits.fractionDigit(char(at(i)));
    }
    if (!digits.any())
        return std::nullopt;
    qint64 exponent = 0;
    if (i < text.size() && (at(i) == 'e' || at(i) == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (at(i) == '+' || at(i) == '-'))
            negativeExponent = at(i++) == '-';
        const qsizetype first = i;
        for (; i < text.size() && isAsciiDigit(at(i)); ++i)
            exponent = std::min(exponent * 10 + qint64(at(i) - '0'), kExponentLimit);
        if (i == first)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (skipSpaces(text, i) != text.size())
        return std::nullopt;
    return digits.value(negative, exponent);
}

} // namespace

std::optional<qint32> readInt32(QStringView text) {
    return readInt32In(text);
}
std::optional<qint32> readInt32(QByteArrayView utf8) {
    return readInt32In(utf8);
}

std::optional<double> readDecimal(QStringView text, QChar separator) {
    return readDecimalIn(text, Separators(QStringView(&separator, 1), false));
}

std::optional<double> readDecimal(QByteArrayView utf8, QChar separator) {
    return readDecimalIn(utf8, Separators(QStringView(&separator, 1), true));
}

std::optional<double> readDecimalAny(QByteArrayView utf8, QStringView separators) {
    return readDecimalIn(utf8, Separators(separators, true));
}

std::optional<double> readLocaleNumber(QStringView text, const QLocale& locale) {
    // The plain form first, read in place; the regional settings' extra
    // forms give a plain number the same value.
    if (const auto plain = readDecimal(text, decimalSeparatorOf(locale)))
        return plain;
    if (text.size() > kLocaleFormsLimit)
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    return std::nullopt;
}

std::optional<double> readLocaleNumber(QByteArrayView utf8, const QLocale& locale) {
    if (const auto plain = readDecimal(utf8, decimalSeparatorOf(locale)))
        return plain;
    if (utf8.size() > kLocaleFormsLimit)
        return std::nullopt;
    return readLocaleNumber(QString::fromUtf8(utf8), locale);
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
