// The subtle tint of the grid's element under the mouse.
#pragma once

#include <QColor>

namespace vantrel {

// `background` tinted a little towards the grid's line colour.
QColor hoverTint(const QColor& background);

} // namespace vantrel
