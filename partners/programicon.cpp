// Drawing the program icon.
#include "partners/programicon.h"

#include <QPainter>
#include <QPainterPath>

namespace vantrel {

namespace {

constexpr int kSide = 32;

void drawBackground(QPainter& p) {
    p.setPen(QPen(QColor(0, 40, 90), 1));
    p.setBrush(QColor(0, 64, 128));
    p.drawRoundedRect(QRectF(0.5, 0.5, kSide - 1, kSide - 1), 5, 5);
}

// A camera housing on a wall bracket, looking down to the right.
void drawCamera(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 210, 222));
    p.drawRect(QRectF(4, 6, 3, 14)); // wall plate
    p.drawRect(QRectF(6, 11, 6, 3)); // arm
    p.save();
    p.translate(17, 12);
    p.rotate(20);
    p.setBrush(QColor(240, 244, 250));
    p.drawRoundedRect(QRectF(-7, -4, 16, 8), 2, 2); // housing
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(9, -3, 3, 6)); // lens
    p.restore();
}

// The field of view fanning out below the camera.
void drawView(QPainter& p) {
    QPainterPath fan;
    fan.moveTo(28, 19);
    fan.lineTo(30, 30);
    fan.lineTo(12, 30);
    fan.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 130, 170));
    p.drawPath(fan);
}

} // namespace

QPixmap programPixmap() {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    drawView(p);
    drawCamera(p);
    return pixmap;
}

QIcon programIcon() {
    return QIcon(programPixmap());
}

} // namespace vantrel
