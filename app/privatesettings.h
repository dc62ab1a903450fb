// Keeps Qt's own settings of this process out of the user's folders.
#pragma once

#include <QTemporaryDir>

namespace vantrel {

// Qt's file dialog stores its history, last folder and view state in
// QSettings(UserScope, "QtProject") when it is destroyed, which would leave
// ~/.config/QtProject.conf behind although the program keeps nothing between
// runs. While this lives, the user scope of Qt's settings is a private
// folder that goes away with it.
class TPrivateQtSettings {
public:
    TPrivateQtSettings();
    TPrivateQtSettings(const TPrivateQtSettings&) = delete;
    TPrivateQtSettings& operator=(const TPrivateQtSettings&) = delete;

private:
    QTemporaryDir m_folder;
};

} // namespace vantrel
