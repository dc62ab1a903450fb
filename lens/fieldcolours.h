// The backgrounds that tell which lens field was computed and which was typed.
#pragma once

#include "platform/ui/legibility.h"

#include <QColor>

class QWidget;

namespace vantrel::lens {

enum class FieldColour {
    Input,       // the system's normal field background
    Computed,    // a calculation has just filled the field
    InvalidAngle // the focal length while the angle is 0
};

inline const QColor kInvalidAngleColour(240, 128, 128);

void setFieldColour(QWidget* field, FieldColour colour);

} // namespace vantrel::lens
