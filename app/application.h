// The program's application object.
#pragma once

#include "app/privatesettings.h"
#include "platform/desktopplatform.h"

#include <QApplication>
#include <QTranslator>

namespace vantrel {

// The application object: whatever escapes an event handler lands in the box
// and the program goes on, also after a write beyond the file-size limit or
// into a pipe without a reader (SIGXFSZ and SIGPIPE end nothing). It keeps
// Qt's own settings out of the user's folders, speaks the desktop's language
// in Qt's own texts (file dialogs, buttons), and rings the desktop's bell for
// the platform's beep. It owns the desktop platform the window is built on.
class TApplication : public QApplication, public TDesktopBell {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    void ringBell() override { beep(); }
    TPlatform& desktopPlatform() { return m_platform; }

private:
    TDesktopPlatform m_platform;
    TPrivateQtSettings m_settings;
    QTranslator m_qtTexts;
};

} // namespace vantrel
