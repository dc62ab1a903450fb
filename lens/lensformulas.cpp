#include "lens/lensformulas.h"

#include "lens/lensformat.h"

#include <algorithm>
#include <cmath>

namespace vantrel::lens {

namespace {

// Degrees to radians with the short pi, kept as a double between steps.
double shortRadians(qint32 degrees) {
    return double(degrees * kPiShort / 180);
}

int limitedAngle(qint64 angle) {
    return int(std::clamp<qint64>(angle, kMinAngle, kMaxAngle));
}

} // namespace

std::optional<double> sensorWidthMm(int formatIndex) {
    if (formatIndex < 0 || formatIndex >= int(kSensorWidthsMm.size()))
        return std::nullopt;
    return kSensorWidthsMm[std::size_t(formatIndex)];
}

std::optional<double> focalLengthMm(qint32 angle, double sensorWidth) {
    const double theta = shortRadians(angle);
    const double f = double((1 / (std::tan((long double)theta / 2) * 2)) * sensorWidth);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

double sceneWidth(qint32 angle, qint32 distance) {
    const double theta = shortRadians(angle);
    return double(std::tan((long double)theta / 2) * (2.0L * distance));
}

int angleFromWidth(qint32 angle, double distance, double width) {
    double theta = shortRadians(angle);
    if (distance > 0)
        theta = double(2 * std::atan(((long double)width / 2) / distance));
    const std::optional<qint64> whole = roundToWhole((long double)theta / kPiShort * 180);
    return whole ? limitedAngle(*whole) : limitedAngle(angle);
}

int cameraTiltDegrees(double camHeight, double objHeight, double distance) {
    const double delta = camHeight - objHeight;
    double t = double(kPi);
    if (!(-0.1L < delta && delta < 0.1L))
        t = double(kHalfPi - std::atan((long double)distance / delta));
    // t lies in 0..pi, so the whole number always exists.
    return int(roundToWhole((long double)t * 180 / kPi).value_or(0));
}

} // namespace vantrel::lens
