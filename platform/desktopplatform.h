// The Linux desktop's answers: locale, time zone and clock from the system, web
// addresses through Qt, and the bell through the application object.
#pragma once

#include "platform/platform.h"

#include <QLocale>

namespace vantrel {

// Only a widget application can ring the desktop's bell (QApplication::beep).
// The program's application object offers it through this, so that the
// services need no widgets; without such an object the beep stays silent.
class TDesktopBell {
public:
    virtual void ringBell() = 0;

protected:
    ~TDesktopBell() = default;
};

class TDesktopPlatform : public TPlatform {
public:
    quint16 systemDefaultLangId() const override;
    int timeZoneBiasMinutes() const override;
    quint64 tickCount() const override;
    int localDayNumber() const override;
    bool openUrl(const QString& url) override;
    void beep() override;
    QChar decimalSeparator() const override;
};

// Windows primary language identifier for a Qt language (0 when unknown).
quint16 primaryLanguageId(QLocale::Language language);

// Days since 30 December 1899 for a calendar date.
int dayNumberOf(int year, int month, int day);

} // namespace vantrel
