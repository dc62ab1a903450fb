#include "platform/desktopplatform.h"

#include "core/numbers.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QTimeZone>
#include <QUrl>
#include <chrono>

namespace vantrel {

quint16 primaryLanguageId(QLocale::Language language) {
    switch (language) {
    case QLocale::Arabic:
        return 0x01;
    case QLocale::Bulgarian:
        return 0x02;
    case QLocale::Catalan:
        return 0x03;
    case QLocale::Chinese:
        return 0x04;
    case QLocale::Czech:
        return 0x05;
    case QLocale::Danish:
        return 0x06;
    case QLocale::German:
        return 0x07;
    case QLocale::Greek:
        return 0x08;
    case QLocale::English:
        return 0x09;
    case QLocale::Spanish:
        return 0x0A;
    case QLocale::Finnish:
        return 0x0B;
    case QLocale::French:
        return 0x0C;
    case QLocale::Hebrew:
        return 0x0D;
    case QLocale::Hungarian:
        return 0x0E;
    case QLocale::Icelandic:
        return 0x0F;
    case QLocale::Italian:
        return 0x10;
    case QLocale::Japanese:
        return 0x11;
    case QLocale::Korean:
        return 0x12;
    case QLocale::Dutch:
        return 0x13;
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return 0x14;
    case QLocale::Polish:
        return 0x15;
    case QLocale::Portuguese:
        return 0x16;
    case QLocale::Romansh:
        return 0x17;
    case QLocale::Romanian:
        return 0x18;
    case QLocale::Russian:
        return 0x19;
    case QLocale::Croatian:
    case QLocale::Serbian:
    case QLocale::Bosnian:
        return 0x1A;
    case QLocale::Slovak:
        return 0x1B;
    case QLocale::Albanian:
        return 0x1C;
    case QLocale::Swedish:
        return 0x1D;
    case QLocale::Thai:
        return 0x1E;
    case QLocale::Turkish:
        return 0x1F;
    case QLocale::Urdu:
        return 0x20;
    case QLocale::Indonesian:
        return 0x21;
    case QLocale::Ukrainian:
        return 0x22;
    case QLocale::Belarusian:
        return 0x23;
    case QLocale::Slovenian:
        return 0x24;
    case QLocale::Estonian:
        return 0x25;
    case QLocale::Latvian:
        return 0x26;
    case QLocale::Lithuanian:
        return 0x27;
    case QLocale::Tajik:
        return 0x28;
    case QLocale::Persian:
        return 0x29;
    case QLocale::Vietnamese:
        return 0x2A;
    case QLocale::Armenian:
        return 0x2B;
    case QLocale::Azerbaijani:
        return 0x2C;
    case QLocale::Basque:
        return 0x2D;
    case QLocale::Macedonian:
        return 0x2F;
    case QLocale::Afrikaans:
        return 0x36;
    case QLocale::Georgian:
        return 0x37;
    case QLocale::Faroese:
        return 0x38;
    case QLocale::Hindi:
        return 0x39;
    case QLocale::Malay:
        return 0x3E;
    case QLocale::Kazakh:
        return 0x3F;
    case QLocale::Kyrgyz:
        return 0x40;
    case QLocale::Swahili:
        return 0x41;
    case QLocale::Uzbek:
        return 0x43;
    case QLocale::Tatar:
        return 0x44;
    case QLocale::Bengali:
        return 0x45;
    default:
        return 0;
    }
}

int dayNumberOf(int year, int month, int day) {
    return int(dateOfDayNumber(0).daysTo(QDate(year, month, day)));
}

quint16 TDesktopPlatform::systemDefaultLangId() const {
    const quint16 primary = primaryLanguageId(QLocale::system().language());
    constexpr quint16 defaultSublanguage = 1 << 10;
    return primary ? quint16(primary | defaultSublanguage) : 0;
}

int TDesktopPlatform::timeZoneBiasMinutes() const {
    const QDateTime now = QDateTime::currentDateTime();
    return -QTimeZone::systemTimeZone().standardTimeOffset(now) / 60;
}

quint64 TDesktopPlatform::tickCount() const {
    using namespace std::chrono;
    return quint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int TDesktopPlatform::localDayNumber() const {
    const QDate today = QDate::currentDate();
    return dayNumberOf(today.year(), today.month(), today.day());
}

bool TDesktopPlatform::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

void TDesktopPlatform::beep() {
    if (auto* bell = dynamic_cast<TDesktopBell*>(QCoreApplication::instance()))
        bell->ringBell();
}

QChar TDesktopPlatform::decimalSeparator() const {
    return decimalSeparatorOf(QLocale());
}

} // namespace vantrel
