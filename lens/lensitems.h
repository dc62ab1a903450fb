// The drop-down items of the lens tab's fields.
#pragma once

#include <QChar>
#include <QStringList>

namespace vantrel::lens {

QStringList sensorFormatItems(); // "1 \"" ... "1/4 \"", matching kSensorWidthsMm
QStringList scaleItems();
QStringList distanceItems(); // the width's numbers and an empty last item
QStringList widthItems();
QStringList camHeightItems();
// Three items carry a fraction, written with the user's decimal separator so
// that each reads as the value it shows.
QStringList objHeightItems(QChar decimalSeparator);

} // namespace vantrel::lens
