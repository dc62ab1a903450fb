#include "lens/shape.h"

#include <QPainter>

namespace vantrel::lens {

TShape::TShape(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour) {}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

} // namespace vantrel::lens
