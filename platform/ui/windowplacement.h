// A top-level window at its designed place on the screen, moved just enough
// to be seen whole where the screen is smaller than the design expects.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vantrel {

// Where a window frame goes: unmoved where it lies inside the available area,
// else moved along each axis just enough to; where it is larger than the
// area, its left or top edge stays in.
QPoint fittedPosition(const QRect& frame, const QRect& available);

// The client size a window opens at: its designed size, made smaller where its
// frame would not fit the available area (a scaled desktop on a small screen),
// but never below its minimum; the anchors lay out the rest.
QSize fittedSize(QSize client, QSize minimum, const QRect& available, const QMargins& frame);

// Sizes the window to fit the available area of the screen at `designed` and
// moves its frame there, fitted to that area. The frame's size is guessed from `expectedFrame`
// until the window manager tells it, once the window is shown; then the window is fitted once more.
void placeOnScreen(QWidget* window, QPoint designed, const QMargins& expectedFrame);

} // namespace vantrel
