#include "lens/fieldcolours.h"

#include "platform/ui/legibility.h"

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
        p.setColor(group, QPalette::Text, normal.color(group, QPalette::Text));
    }
    field->setPalette(p);
    // The light backgrounds stay in a dark colour scheme; their text goes dark.
    setLegibleText(field, QPalette::Text, QPalette::Base);
}

} // namespace vantrel::lens
