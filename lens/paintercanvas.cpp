#include "lens/paintercanvas.h"

#include "platform/ui/legibility.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vantrel::lens {

namespace {

// Lines are kept a little beyond the area so wide pens end as they would.
constexpr double kClipMargin = 16;

// Liang-Barsky: the part of the segment inside the rectangle, if any.
std::optional<QLineF> clipped(const QLineF& line, const QRectF& r) {
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
                         r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(line.x1() + t0 * dx, line.y1() + t0 * dy, line.x1() + t1 * dx,
                  line.y1() + t1 * dy);
}

// Whether a transform moves pixels only by whole pixels.
bool movesByWholePixels(const QTransform& t) {
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

// The pixels from a to b, both included, whichever way the line runs.
// (QRect::normalized() would drop one: it keeps the corners' order of width.)
QRect spanOf(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

QColor penColour(DiagramPen pen) {
    switch (pen) {
    case DiagramPen::Grid:
    case DiagramPen::Silver:
        return QColor(192, 192, 192);
    case DiagramPen::Black:
        return QColor(0, 0, 0);
    case DiagramPen::Gray:
        return QColor(128, 128, 128);
    case DiagramPen::Blue:
        return QColor(0, 0, 255);
    case DiagramPen::Lime:
        return QColor(0, 255, 0);
    case DiagramPen::Green:
        return QColor(0, 128, 0);
    case DiagramPen::Navy:
        return QColor(0, 0, 128);
    }
    return QColor(0, 0, 0);
}

QColor drawnColour(DiagramPen pen, const QColor& sheet) {
    // The ruling stays faint, as ruled paper is; every line of the picture
    // shows on the sheet.
    if (pen == DiagramPen::Grid)
        return penColour(pen);
    return visibleLineOn(penColour(pen), sheet);
}

TPainterCanvas::TPainterCanvas(QPainter& painter, QSize area, const QColor& background,
                               const QColor& text)
    : m_painter(painter),
      m_clip(QRectF(QPointF(0, 0), QSizeF(area))
                 .adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin)),
      m_background(background), m_text(text),
      m_pixelAligned(movesByWholePixels(painter.deviceTransform())) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void TPainterCanvas::setPen(DiagramPen pen, int width) {
    m_penColour = drawnColour(pen, m_background);
    m_thinPen = width == 1 && m_pixelAligned;
    m_painter.setPen(QPen(m_penColour, width, Qt::SolidLine,
                          width > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin));
}

void TPainterCanvas::moveTo(QPoint point) {
    m_position = point;
}

void TPainterCanvas::lineTo(QPoint point) {
    const QPoint from = m_position;
    m_position = point;
    if (m_thinPen && (from.x() == point.x() || from.y() == point.y()) && m_clip.contains(from) &&
        m_clip.contains(point)) {
        // The grid's hundreds of lines: a one-pixel pen along an axis covers
        // just the pixels from end to end, which a fill draws far faster
        // than the stroker does.
        m_painter.fillRect(spanOf(from, point), m_penColour);
        return;
    }
    if (from == point) {
        // A stroke of no length marks the point with the pen's width.
        if (m_clip.contains(point))
            m_painter.drawPoint(point);
        return;
    }
    const QLineF line(from, point);
    if (m_clip.contains(from) && m_clip.contains(point)) {
        m_painter.drawLine(from, point);
        return;
    }
    if (const std::optional<QLineF> part = clipped(line, m_clip))
        m_painter.drawLine(*part);
}

void TPainterCanvas::textOut(QPoint topLeft, const QString& text) {
    const QFontMetrics metrics(m_painter.font());
    const QRect cell(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    m_painter.fillRect(cell, m_background);
    const QPen pen = m_painter.pen();
    m_painter.setPen(m_text);
    m_painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
    m_painter.setPen(pen);
}

} // namespace vantrel::lens
