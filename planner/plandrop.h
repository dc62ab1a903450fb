// Opening a plan by dropping its file onto the window.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QUrl;
class QWidget;

namespace vantrel {

// The plan file a drop's addresses name when they are exactly one local
// file, not a folder, whose name ends in ".ip" in any letter case (the open
// dialog lists those too); nullopt for anything else: several files, a
// folder, no address, a web address, another kind of file.
std::optional<QString> droppedPlanFile(const QList<QUrl>& urls);

// Lets the window take a plan file dropped anywhere on it and refuse every
// other drop, also over its fields that would otherwise take dropped text.
// `load` runs once the drop has been answered, so that a message box it
// shows does not keep the file manager waiting for the drop to end.
void acceptPlanDrops(QWidget* window, std::function<void(const QString& fileName)> load);

} // namespace vantrel
