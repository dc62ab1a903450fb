// Text colours that stay readable whatever colour scheme the desktop uses.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace vantrel {

// The light blue behind a value the program computed, on both tabs.
inline const QColor kComputedColour(224, 238, 254);

// The least contrast a text keeps against what is behind it.
inline constexpr double kMinimumContrast = 4.5;
// What a colour that has to change is given instead: a little headroom, as a
// style may shade a page a few percent off its palette's colour.
inline constexpr double kAdjustedContrast = 5.0;

// The least contrast a line of a drawing keeps against the sheet behind it,
// and what a line colour that has to change is given instead.
inline constexpr double kMinimumLineContrast = 3.0;
inline constexpr double kAdjustedLineContrast = 3.3;

// The contrast ratio of two colours, from 1 (equal) to 21 (black on white),
// by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// The preferred text colour where it reads well on the background, otherwise
// black or white, whichever reads better.
QColor legibleText(const QColor& preferred, const QColor& background);

// The designed colour where it reads well on the background; otherwise the
// nearest colour on the way from it to black or white (whichever is farther
// from the background) that reaches kAdjustedContrast.
QColor legibleOn(const QColor& designed, const QColor& background);

// The designed colour of a line where it shows on the background; otherwise
// the nearest colour on the way from it to black or white that reaches
// kAdjustedLineContrast.
QColor visibleLineOn(const QColor& designed, const QColor& background);

// The sheet a drawing in designed colours goes on: the page itself where it
// is light, else white paper, on which the designed dark pens still show.
QColor drawingSheetOn(const QColor& page);

// Keeps the colour scheme's text colour of a widget's palette where it reads
// well on the widget's own background, and makes it black or white (whichever
// reads better) where it does not, in every colour group: a field whose
// background the program forces light gets dark text in a dark scheme.
void setLegibleText(QWidget* widget, QPalette::ColorRole textRole,
                    QPalette::ColorRole backgroundRole);

// Keeps the value of a field that is disabled but shows a result readable:
// its greyed text where that reads well on its greyed background, else the
// nearest colour to it that does (as legibleOn), so it still looks disabled.
void setLegibleDisabledText(QWidget* widget, QPalette::ColorRole textRole,
                            QPalette::ColorRole backgroundRole);

// The colour a widget that fills no background of its own is drawn on: the
// nearest filled ancestor's, where a tab control counts with the pane its
// style paints under the pages.
QColor backgroundBehind(const QWidget* widget);

// Gives a widget that draws on its parent's background (a label) a text
// colour: the designed one, made legible on that background.
void setLegibleInk(QWidget* widget, const QColor& designed);

} // namespace vantrel
