// The drop-down items of the lens tab's fields.
#pragma once

#include <QStringList>

namespace vantrel::lens {

QStringList sensorFormatItems(); // "1 \"" ... "1/4 \"", matching kSensorWidthsMm
QStringList scaleItems();
QStringList distanceItems(); // the width's numbers and an empty last item
QStringList widthItems();
QStringList camHeightItems();
QStringList objHeightItems(); // three items carry a decimal comma, read as typed text

} // namespace vantrel::lens
