#include "planner/buttonpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vantrel {

namespace {

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(2.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(2.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(10.5, y + 0.5));
}

} // namespace

QIcon addPicture() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 100, 0), 1));
        p.setBrush(QColor(40, 170, 40));
        p.drawRoundedRect(QRectF(6.5, 2.5, 3, 11), 1, 1);
        p.drawRoundedRect(QRectF(2.5, 6.5, 11, 3), 1, 1);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(7, 7, 2, 2));
    });
}

QIcon removePicture() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 40, 140), 1));
        p.setBrush(QColor(50, 110, 220));
        p.drawRoundedRect(QRectF(2.5, 6.5, 11, 3), 1, 1);
    });
}

QIcon savePicture() {
    return drawn([](QPainter& p) {
        drawPage(p);
        p.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 6), QPointF(9, 13));
        QPolygonF head{{5.5, 10}, {12.5, 10}, {9, 14.5}};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 0, 0));
        p.drawPolygon(head);
    });
}

QIcon loadPicture() {
    return drawn([](QPainter& p) {
        drawPage(p);
        p.setPen(QPen(QColor(230, 170, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
        const QPointF centre(11, 5);
        for (const QPointF& d :
             {QPointF(0, -4), QPointF(3, -3), QPointF(4, 0), QPointF(3, 3), QPointF(-3, -3)})
            p.drawLine(centre + d * 0.4, centre + d);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 0));
        p.drawEllipse(centre, 1.8, 1.8);
    });
}

} // namespace vantrel
