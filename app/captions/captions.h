// Russian captions for the main window on a Russian-language system.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace vantrel {

inline constexpr int kRussianLanguage = 25;

// The low eight bits of the system's language identifier, stored once at
// start-up before the captions are translated.
extern int SystemLanguage;

// On a Russian system, gives every control of the window that has an entry in
// the caption table its Russian caption; elsewhere changes nothing.
void LocalizeCaptions(QWidget* window);

// Sets the caption of a label, button, grid column or tab page; leaves any
// other object unchanged.
void applyCaption(QObject* component, const QString& caption);

} // namespace vantrel
