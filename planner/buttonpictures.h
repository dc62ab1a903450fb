// The 16 x 16 pictures of the planner's four buttons, drawn in code; QIcon
// makes the greyed copy shown while a button is disabled.
#pragma once

#include <QIcon>

namespace vantrel {

QIcon addPicture();    // a green plus sign
QIcon removePicture(); // a blue minus sign
QIcon savePicture();   // a page with a red arrow
QIcon loadPicture();   // a page with yellow rays

} // namespace vantrel
