// The grid's look: cell borders, the line between rows, and the marking of
// the focused row while the grid has no keyboard focus.
#pragma once

#include <QColor>

namespace vantrel {

inline QColor gridLineColor() {
    return QColor(180, 208, 243);
}
inline QColor hideSelectionColor() {
    return QColor(218, 254, 222);
}
inline constexpr int kRowSeparatorWidth = 2;

} // namespace vantrel
