#include "app/application.h"

#include "platform/ui/errorbox.h"

#include <QLibraryInfo>
#include <QLocale>
#include <csignal>

namespace vantrel {

namespace {

void letTheWriteFail(int) {}

// A write beyond the file-size limit, or into a pipe whose reader has gone,
// then fails and is reported like any failed write, instead of ending the
// program with the rows unsaved. Caught rather than set to SIG_IGN, which a
// program started from here (the browser of a web link) would inherit.
void surviveFailedWrites() {
    struct sigaction action {};
    action.sa_handler = letTheWriteFail;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
    sigaction(SIGPIPE, &action, nullptr);
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    surviveFailedWrites();
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    // Our file dialogs are Qt's own, so their texts come from Qt's catalogue.
    if (m_qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTexts);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EError& e) {
        showErrorBox(e.message());
    } catch (const std::exception& e) {
        showErrorBox(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace vantrel
