#include "lens/fieldcolours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace vantrel::lens {

void setFieldColour(QWidget* field, FieldColour colour) {
    const QPalette normal = QApplication::palette(field);
    QPalette p = field->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QColor c = normal.color(group, QPalette::Base);
        if (colour == FieldColour::Computed)
            c = kComputedColour;
        else if (colour == FieldColour::InvalidAngle)
            c = kInvalidAngleColour;
        p.setColor(group, QPalette::Base, c);
    }
    field->setPalette(p);
}

} // namespace vantrel::lens
