// The row the planner starts with, as the tests expect it: the catalogue's
// new row and what its recalculation writes into cells 6 and 7.
#pragma once

#include "tests/support/localenumber.h"

#include <QByteArrayList>
#include <QStringList>

namespace vantrel::test {

// Written with "." as decimal separator, as in the 121-byte worked example.
inline QByteArrayList defaultRowTexts() {
    return {"640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1", "1", "3.68", "37.90283203125"};
}

// The same with the separator of the locale the suite runs under.
inline QStringList defaultRowInLocale() {
    QStringList texts;
    for (const QByteArray& text : defaultRowTexts())
        texts << localeNumber(QString::fromUtf8(text));
    return texts;
}

} // namespace vantrel::test
