// The hover tint of the grid's cells.
#include "grid/cellcolours.h"

#include "grid/gridlook.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

int mix(int from, int to, double share) {
    return int(std::lround(from + (to - from) * share));
}

} // namespace

QColor hoverTint(const QColor& background) {
    constexpr double kShare = 0.3;
    const QColor line = gridLineColor();
    return QColor(mix(background.red(), line.red(), kShare),
                  mix(background.green(), line.green(), kShare),
                  mix(background.blue(), line.blue(), kShare));
}

} // namespace vantrel
