// Contrast, legible text and the hover tint of the grid's cells.
#include "grid/cellcolours.h"

#include "grid/plangrid.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

double channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

int mix(int from, int to, double share) {
    return int(std::lround(from + (to - from) * share));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleTextOn(const QColor& background, const QColor& preferred) {
    if (contrastRatio(background, preferred) >= 4.5)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

QColor hoverTint(const QColor& background) {
    constexpr double kShare = 0.3;
    const QColor line = TPlanGrid::gridLineColor();
    return QColor(mix(background.red(), line.red(), kShare),
                  mix(background.green(), line.green(), kShare),
                  mix(background.blue(), line.blue(), kShare));
}

} // namespace vantrel
