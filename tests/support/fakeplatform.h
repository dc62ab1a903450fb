// A platform whose answers a test sets; a test passes it to what it builds.
#pragma once

#include "platform/platform.h"

#include <QStringList>

namespace vantrel::test {

class FakePlatform : public TPlatform {
public:
    FakePlatform();

    quint16 systemDefaultLangId() const override { return langId; }
    int timeZoneBiasMinutes() const override { return biasMinutes; }
    quint64 tickCount() const override { return tick; }
    int localDayNumber() const override { return dayNumber; }
    bool openUrl(const QString& url) override;
    void beep() override { ++beeps; }
    QChar decimalSeparator() const override { return separator; }

    quint16 langId = 0x0409; // English
    int biasMinutes = -60;   // UTC+1
    quint64 tick = 1000000;
    int dayNumber = 46000; // well after the rotation's start date
    // The real locale's, as the desktop platform answers.
    QChar separator;
    int beeps = 0;
    QStringList openedUrls;
};

} // namespace vantrel::test
