// The program's own icon, drawn in code: a dome camera under a dark blue sky.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantrel {

// The 32 x 32 picture of the About page.
QPixmap programPixmap();
// The same picture as the window icon.
QIcon programIcon();

} // namespace vantrel
