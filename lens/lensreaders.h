// How the lens tab reads its fields: each reader with its own default for text
// that does not parse.
#pragma once

#include <QChar>
#include <QStringView>

namespace vantrel::lens {

// What a reader falls back to when the text is not a number.
namespace fallback {
inline constexpr qint32 kSceneWidthDistance = 1;
inline constexpr double kAngleDistance = 1.0;
inline constexpr double kAngleWidth = 1.0;
inline constexpr double kTiltCamHeight = 4.0;
inline constexpr double kTiltObjHeight = 3.0;
inline constexpr double kTiltDistance = 4.0;
inline constexpr double kDiagramCamHeight = 3.0;
inline constexpr double kDiagramScale = 1.0;
inline constexpr double kDiagramDistance = 10.0;
inline constexpr double kDiagramObjHeight = 3.0;
inline constexpr double kDiagramWidth = 1.0;
} // namespace fallback

// A whole number (blanks, sign, decimal or "$"/"0x" hexadecimal, 32 bits).
qint32 readWhole(QStringView text, qint32 fallback);

// A decimal with the user's separator and an optional exponent.
double readDecimalOr(QStringView text, QChar separator, double fallback);

} // namespace vantrel::lens
