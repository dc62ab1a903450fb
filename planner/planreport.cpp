#include "planner/planreport.h"

#include "partners/adverts.h"
#include "partners/fileversion.h"
#include "platform/platform.h"

namespace vantrel {

namespace {

// The partner table's first record is the note in English, its second in Russian.
constexpr int kEnglishNote = 1;
constexpr int kRussianNote = 2;

} // namespace

QLocale windowLocale(int systemLanguage) {
    if (systemLanguage == kRussianLanguage)
        return QLocale(QLocale::Russian, QLocale::Russia);
    return QLocale(QLocale::English, QLocale::system().territory());
}

QString reportTitle() {
    const QString version = GetVersionString();
    const QString name = QStringLiteral("Vantrel");
    return version.isEmpty() ? name : name + u' ' + version;
}

QString reportDate(const QDate& date, int systemLanguage) {
    return windowLocale(systemLanguage).toString(date, QLocale::LongFormat);
}

QString frameSizeNote(int systemLanguage) {
    const AdRec& note = builtInAd(systemLanguage == kRussianLanguage ? kRussianNote : kEnglishNote);
    // On paper the address cannot be clicked: its short form is written out.
    return note.Banner.trimmed() + u' ' + note.LinkCaption;
}

} // namespace vantrel
