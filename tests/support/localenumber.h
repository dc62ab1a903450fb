// Expected numbers as the locale the suite runs under writes them, so one
// expectation holds under "C", de_DE and ru_RU alike.
#pragma once

#include "core/numbers.h"

#include <QLocale>
#include <QString>

namespace vantrel::test {

// "3.68" with the locale's decimal separator in place of the full stop.
inline QString localeNumber(QString text) {
    return text.replace(u'.', decimalSeparatorOf(QLocale()));
}

} // namespace vantrel::test
