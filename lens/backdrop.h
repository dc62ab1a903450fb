// What a see-through widget shows where it draws nothing.
#pragma once

#include <QColor>

class QWidget;

namespace vantrel::lens {

// The colour its parents paint behind the widget's centre: the first of them
// that paints there opaquely (a filled page, a tab control's pane), else the
// window's own background.
QColor colourBehind(const QWidget* widget);

} // namespace vantrel::lens
