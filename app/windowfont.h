// The font the window and all its controls are drawn in.
#pragma once

#include <QFont>

namespace vantrel {

// A narrow sans-serif, so that every caption fits the box it was designed
// for, in English and in Russian; installed with the program.
inline constexpr const char* kWindowFontFamily = "Liberation Sans Narrow";

// The window font at the design's 11 pixels; the desktop's own sans-serif
// where the narrow face is missing.
QFont windowFont();

} // namespace vantrel
