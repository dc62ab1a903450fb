// The few system services the program asks of its desktop, behind one
// interface: the application object owns the desktop's, tests pass a fake.
#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QtGlobal>

namespace vantrel {

class TPlatform {
public:
    virtual ~TPlatform() = default;

    // Language identifier in the Windows form: primary language in the low ten
    // bits (25 Russian, 9 English, 7 German), sub-language above.
    virtual quint16 systemDefaultLangId() const = 0;
    // Minutes to add to local standard time to get UTC (so UTC+3 gives -180),
    // daylight saving left out.
    virtual int timeZoneBiasMinutes() const = 0;
    // Milliseconds since an arbitrary start; monotonic, never wraps.
    virtual quint64 tickCount() const = 0;
    // Today's local date as whole days since 30 December 1899.
    virtual int localDayNumber() const = 0;
    // Hands a web address to the desktop; the answer is informative only.
    virtual bool openUrl(const QString& url) = 0;
    virtual void beep() = 0;
    // The user's decimal separator.
    virtual QChar decimalSeparator() const = 0;
};

// The date of a day number as localDayNumber gives them.
inline QDate dateOfDayNumber(int dayNumber) {
    return QDate(1899, 12, 30).addDays(dayNumber);
}

// The low eight bits of the language identifier, as the program stores them.
inline constexpr int kRussianLanguage = 25;
inline int languageByte(const TPlatform& p) {
    return p.systemDefaultLangId() & 0xFF;
}

} // namespace vantrel
