// The four lens calculations as plain functions of the fields' values.
#pragma once

#include <QtGlobal>
#include <array>
#include <optional>

namespace vantrel::lens {

// The lens formulas use pi cut to 3.14159; the tilt and the diagram use it in
// full. Both forms are part of the results users compare with.
inline constexpr long double kPiShort = 3.14159L;
inline constexpr long double kPi = 3.14159265358979323846L;
inline constexpr long double kHalfPi = 1.57079632679489661923L;

// Sensor widths in millimetres, by the position of the format in its list.
inline constexpr std::array<double, 5> kSensorWidthsMm = {12.8, 8.8, 6.4, 4.8, 3.2};

// The angle field's limits.
inline constexpr int kMinAngle = 0;
inline constexpr int kMaxAngle = 179;

// Sensor width for a format's position, nothing outside the table.
std::optional<double> sensorWidthMm(int formatIndex);

// Focal length in mm for a whole angle in degrees; nothing when the result is
// not a finite number (an angle whose half-tangent is 0).
std::optional<double> focalLengthMm(qint32 angle, double sensorWidth);

// Width of the scene at a whole distance for a whole angle.
double sceneWidth(qint32 angle, qint32 distance);

// The whole angle that covers the width at the distance, limited to 0..179;
// at a distance of 0 or less the shown angle is kept (and limited).
int angleFromWidth(qint32 angle, double distance, double width);

// Camera tilt in whole degrees below the horizontal towards the top of the
// object; 180 while the two heights are within 0.1 of each other.
int cameraTiltDegrees(double camHeight, double objHeight, double distance);

} // namespace vantrel::lens
