// Keeps Qt's own settings of this process out of every folder.
#pragma once

namespace vantrel {

// Qt's file dialog stores its history, last folder and view state in
// QSettings(UserScope, "QtProject") when it is destroyed, which would leave
// ~/.config/QtProject.conf behind although the program keeps nothing between
// runs. While this lives, the user scope of Qt's settings points where no
// file can be made, so those writes fail quietly, as Qt's settings writes do;
// the planner's dialogs keep what they remember in memory instead. Nothing is
// made, so nothing is left when the program is killed or loses its display.
class TPrivateQtSettings {
public:
    TPrivateQtSettings();
    TPrivateQtSettings(const TPrivateQtSettings&) = delete;
    TPrivateQtSettings& operator=(const TPrivateQtSettings&) = delete;
};

} // namespace vantrel
