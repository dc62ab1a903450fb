#include "lens/diagrambox.h"

#include "lens/paintercanvas.h"
#include "platform/ui/legibility.h"

#include <QPainter>
#include <QScopeGuard>
#include <QScopedValueRollback>

namespace vantrel::lens {

TDiagramBox::TDiagramBox(FieldsSource fields, TiltSink writeTilt, QWidget* parent)
    : QWidget(parent), m_fields(std::move(fields)), m_writeTilt(std::move(writeTilt)) {}

void TDiagramBox::redraw() {
    if (m_canvas) {
        drawOn(*m_canvas);
        return;
    }
    if (!m_inOtherPaint) {
        m_painted = false;
        repaint();
        if (m_painted)
            return;
    }
    // The box cannot be painted now (hidden, not yet on screen, or another
    // widget is painting); the picture follows with its next paint, and the
    // tilt that a drawing writes is kept in step now.
    TNullCanvas none;
    drawOn(none);
}

void TDiagramBox::redrawDuringOtherPaint() {
    const QScopedValueRollback inOther(m_inOtherPaint, true);
    redraw();
}

void TDiagramBox::paintEvent(QPaintEvent*) {
    m_painted = true;
    // The diagram is drawn on the page where that is light, else on white
    // paper, on which its designed colours show; labels hide the grid under
    // them with the sheet's colour.
    const QColor page = backgroundBehind(this);
    const QColor sheet = drawingSheetOn(page);
    QPainter painter(this);
    if (sheet != page)
        painter.fillRect(rect(), sheet);
    TPainterCanvas canvas(painter, size(), sheet,
                          legibleText(palette().color(QPalette::WindowText), sheet));
    drawOn(canvas);
}

void TDiagramBox::drawOn(TDiagramCanvas& canvas) {
    TDiagramCanvas* const outer = m_canvas;
    m_canvas = &canvas;
    const auto restore = qScopeGuard([this, outer] { m_canvas = outer; });
    const DiagramFields fields = m_fields();
    drawDiagram(canvas, fields, size(), [this, &fields](const QString& tilt) {
        setAccessibleDescription(m_descriptionPattern.arg(tilt, fields.width, fields.distance));
        m_writeTilt(tilt);
    });
}

} // namespace vantrel::lens
