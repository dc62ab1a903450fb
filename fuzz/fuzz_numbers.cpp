// Any text through the lenient number readers, in a few locales and with both
// decimal separators. They must never crash, and what they accept must be a
// finite number that the program's own writer turns into a text they read
// back to the same value (within the fifteen digits the writer keeps).
#include "core/numbers.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace vantrel;

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "number property broken: %s [%s]\n", what, qPrintable(text));
    std::abort();
}

const std::array<QLocale, 4>& locales() {
    static const std::array<QLocale, 4> all{QLocale::c(),
                                            QLocale(QLocale::German, QLocale::Germany),
                                            QLocale(QLocale::Russian, QLocale::Russia),
                                            QLocale(QLocale::English, QLocale::UnitedStates)};
    return all;
}

// Fifteen digits of the largest doubles round up past the largest double
// ("1.79769313486232E308"), a text no double can hold.
constexpr double kLargestRoundingBelowMax = 1.797693134862315e308;

// The writer keeps fifteen significant digits: reading its text back must land
// within half a unit of the fifteenth digit.
void checkWrittenReadsBack(double value, QChar separator) {
    if (!std::isfinite(value))
        return;
    const QString text = formatGeneral(value, separator);
    const std::optional<double> back = readDecimal(text, separator);
    if (!back && std::fabs(value) >= kLargestRoundingBelowMax)
        return;
    if (!back)
        fail("the reader refuses the writer's text", text);
    if (std::fabs(*back - value) > std::fabs(value) * 1e-14)
        fail("the writer's text reads back to another value", text);
}

void checkInt32(QStringView text) {
    const std::optional<qint32> value = readInt32(text);
    if (!value)
        return;
    if (readInt32(QString::number(*value)) != value)
        fail("an accepted integer does not read back from its decimal form", text.toString());
    if (readInt32Or(text, *value == 0 ? 1 : 0) != *value)
        fail("the fallback replaced an accepted integer", text.toString());
}

QString textFrom(const std::uint8_t* data, std::size_t size, bool utf16) {
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2); // any code units, lone surrogates too
    return text;
}

} // namespace

// The first byte chooses the locale (bits 0-1), the text encoding (bit 2) and
// the decimal separator (bit 3); the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const QLocale& locale = locales()[choice & 3];
    const QChar separator = (choice & 8) ? QChar(u',') : QChar(u'.');
    const QString text = textFrom(data + 1, size - 1, choice & 4);

    checkInt32(text);
    if (const std::optional<double> d = readDecimal(text, separator)) {
        if (!std::isfinite(*d))
            fail("readDecimal accepted a value that is not finite", text);
        checkWrittenReadsBack(*d, separator);
    }
    if (const std::optional<double> d = readLocaleNumber(text, locale)) {
        if (!std::isfinite(*d))
            fail("readLocaleNumber accepted a value that is not finite", text);
        checkWrittenReadsBack(*d, decimalSeparatorOf(locale));
    }
    // The text's first eight bytes as a double, for values no text reaches quickly.
    if (size >= 9) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkWrittenReadsBack(raw, separator);
        const double whole = roundHalfEven(raw);
        if (std::isfinite(raw) && (whole != std::trunc(whole) || std::fabs(whole - raw) > 0.5))
            fail("roundHalfEven gave no nearest whole number", formatGeneral(raw, separator));
    }
    return 0;
}
