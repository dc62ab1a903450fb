#include "lens/backdrop.h"

#include <QImage>
#include <QPalette>
#include <QWidget>

namespace vantrel::lens {

namespace {

// One pixel of the widget's own painting, its children left out; transparent
// where it paints nothing.
QColor ownPixel(QWidget* widget, QPoint at) {
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(Qt::transparent);
    widget->render(&pixel, QPoint(), QRegion(at.x(), at.y(), 1, 1), QWidget::RenderFlags());
    return pixel.pixelColor(0, 0);
}

} // namespace

QColor colourBehind(const QWidget* widget) {
    const QPoint centre = widget->rect().center();
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        const QColor colour = ownPixel(w, widget->mapTo(w, centre));
        if (colour.alpha() == 255)
            return colour;
    }
    return widget->window()->palette().color(QPalette::Window);
}

} // namespace vantrel::lens
