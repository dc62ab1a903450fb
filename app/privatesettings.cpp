#include "app/privatesettings.h"

#include <QSettings>

namespace vantrel {

// A folder rather than a settings format that stores nothing: such a format
// still has QSettings create the user's config folder and its lock files, and
// it would make the dialog forget within the run what it remembers across
// them. Only the user scope moves; the system scope is only ever read.
TPrivateQtSettings::TPrivateQtSettings() {
    // Without a temporary folder, a path no one can create a folder under:
    // the dialog's writes then fail quietly, as Qt's settings writes do.
    const QString folder = m_folder.isValid() ? m_folder.path() : QStringLiteral("/dev/null");
    // The dialog uses the default format, native, which is an INI file here;
    // both are set so neither falls back to the user's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace vantrel
