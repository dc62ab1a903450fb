// Draws the diagram's steps with a QPainter on any paint device, clipping
// lines to the area so that far-off coordinates never reach the rasteriser.
#pragma once

#include "lens/diagram.h"

#include <QColor>
#include <QPen>
#include <QRect>

class QPainter;

namespace vantrel::lens {

// A pen's designed colour, and the colour it is drawn in on a sheet.
QColor penColour(DiagramPen pen);
QColor drawnColour(DiagramPen pen, const QColor& sheet);

class TPainterCanvas : public TDiagramCanvas {
public:
    // area: the surface's size in pixels; background: the sheet the diagram
    // is drawn on, behind the labels too; text: the labels' colour.
    TPainterCanvas(QPainter& painter, QSize area, const QColor& background, const QColor& text);

    void setPen(DiagramPen pen, int width) override;
    void moveTo(QPoint point) override;
    void lineTo(QPoint point) override;
    void textOut(QPoint topLeft, const QString& text) override;

private:
    QPainter& m_painter;
    QRectF m_clip;
    QColor m_background;
    QColor m_text;
    QPoint m_position;
    // Whether painter pixels are device pixels, so a filled rectangle covers
    // exactly the pixels a one-pixel pen would.
    bool m_pixelAligned = false;
    bool m_thinPen = false;
    QColor m_penColour;
};

} // namespace vantrel::lens
