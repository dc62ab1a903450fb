// Rendering the program's icon from its SVG.
#include "partners/programicon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vantrel {

namespace {

constexpr int kAboutSide = 32;

} // namespace

QImage programImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/vantrel/icons/vantrel.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, side, side));
    return image;
}

QPixmap programPixmap() {
    return QPixmap::fromImage(programImage(kAboutSide));
}

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(programImage(side)));
    return icon;
}

} // namespace vantrel
