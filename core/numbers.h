// Lenient readers and exact writers for the numbers users type and cells hold.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace vantrel {

// Optional leading spaces, an optional sign, then decimal digits or hex digits
// after "$", "x" or "0x"; nothing may follow and the value must fit in 32 bits.
std::optional<qint32> readInt32(QStringView text);
inline qint32 readInt32Or(QStringView text, qint32 fallback) {
    return readInt32(text).value_or(fallback);
}
// The same on a cell's UTF-8 bytes, read in place: only ASCII can take part
// in a number, so the answer is the one for the decoded text.
std::optional<qint32> readInt32(QByteArrayView utf8);
inline qint32 readInt32Or(QByteArrayView utf8, qint32 fallback) {
    return readInt32(utf8).value_or(fallback);
}

// The program's own decimal parse: blanks, sign, digits around the given decimal
// separator, an optional exponent, blanks. No thousands separators. Each reads
// in place, in time proportional to the text's length.
std::optional<double> readDecimal(QStringView text, QChar separator);
std::optional<double> readDecimal(QByteArrayView utf8, QChar separator);
// The same with any one of up to three decimal separators.
std::optional<double> readDecimalAny(QByteArrayView utf8, QStringView separators);

// The locale-aware conversion: what the user's regional settings accept as a
// number (group separators included), falling back to readDecimal. Those
// extra forms are tried only on texts up to kLocaleFormsLimit units: nobody
// writes a grouped number longer, and their conversion costs far more per
// character than the plain parse.
inline constexpr qsizetype kLocaleFormsLimit = 1024;
std::optional<double> readLocaleNumber(QStringView text, const QLocale& locale);
std::optional<double> readLocaleNumber(QByteArrayView utf8, const QLocale& locale);

// General format with at most 15 significant digits, the fifteenth rounded half
// away from zero; trailing zeros and a bare separator dropped; no grouping.
// Fixed notation from 0.00001 up to 15 integer digits, "1.5E20" style beyond.
QString formatGeneral(double value, QChar separator);

// Halves go to the even neighbour wherever a value is made whole.
double roundHalfEven(double value);

// The decimal separator of a locale as one character.
QChar decimalSeparatorOf(const QLocale& locale);

} // namespace vantrel
