#include "app/privatesettings.h"

#include <QSettings>

namespace vantrel {

// A path rather than a settings format that stores nothing: such a format
// still has QSettings create the user's config folder and its lock files.
// Under /dev/null no folder can be made, not even by root. Only the user
// scope moves; the system scope is only ever read.
TPrivateQtSettings::TPrivateQtSettings() {
    const QString nowhere = QStringLiteral("/dev/null");
    // The dialog uses the default format, native, which is an INI file here;
    // both are set so neither falls back to the user's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

} // namespace vantrel
