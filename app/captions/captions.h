// Russian captions for the main window on a Russian-language system.
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace vantrel {

// On a Russian system (language byte 25), gives every control of the window
// that has an entry in the caption table its Russian caption; elsewhere
// changes nothing.
void LocalizeCaptions(QWidget* window, int systemLanguage);

// Sets the caption of a label, button, grid column or tab page; leaves any
// other object unchanged.
void applyCaption(QObject* component, const QString& caption);

} // namespace vantrel
