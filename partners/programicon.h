// The program's icon. It is drawn once, in packaging/icons/vantrel.svg, and
// built into the program, so that the window, the About page and the
// desktop's launcher all show the same picture.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace vantrel {

// The icon at side x side pixels on a transparent background.
QImage programImage(int side);
// The 32 x 32 picture of the About page.
QPixmap programPixmap();
// The window icon, sharp at the sizes a desktop asks for.
QIcon programIcon();

} // namespace vantrel
