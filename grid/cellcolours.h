// Colours of the grid's look that depend on the colour scheme: a text colour
// that stays legible on the light backgrounds the grid forces, and the subtle
// tint of the element under the mouse.
#pragma once

#include <QColor>

namespace vantrel {

// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `preferred` when it reads well on `background` (contrast 4.5 or more),
// otherwise black or white, whichever reads better.
QColor legibleTextOn(const QColor& background, const QColor& preferred);

// `background` tinted a little towards the grid's line colour.
QColor hoverTint(const QColor& background);

} // namespace vantrel
