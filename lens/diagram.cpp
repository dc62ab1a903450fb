#include "lens/diagram.h"

#include "lens/lensformat.h"
#include "lens/lensformulas.h"
#include "lens/lensreaders.h"

#include <cmath>
#include <limits>

namespace vantrel::lens {

namespace {

using MaybePoint = std::optional<QPoint>;

bool fitsCoordinate(qint64 v) {
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

MaybePoint pointAt(std::optional<qint64> x, std::optional<qint64> y) {
    if (!x || !y || !fitsCoordinate(*x) || !fitsCoordinate(*y))
        return std::nullopt;
    return QPoint(int(*x), int(*y));
}

std::optional<qint64> offset(qint64 base, std::optional<qint64> delta) {
    if (!delta)
        return std::nullopt;
    return base + *delta; // both fit in 32 bits, so the sum fits in 64
}

std::optional<qint64> offsetBack(qint64 base, std::optional<qint64> delta) {
    if (!delta)
        return std::nullopt;
    return base - *delta;
}

// Moves and lines on the canvas that skip what cannot be drawn: a line with an
// end outside 32-bit coordinates is left out, and the path goes on from the
// next drawable point. The canvas is moved only when a line is drawn.
class Plotter {
public:
    explicit Plotter(TDiagramCanvas& canvas) : m_canvas(canvas) {}
    void pen(DiagramPen pen, int width) { m_canvas.setPen(pen, width); }
    void moveTo(MaybePoint p) { m_position = p; }
    void lineTo(MaybePoint p) {
        if (m_position && p) {
            if (m_canvasAt != m_position)
                m_canvas.moveTo(*m_position);
            m_canvas.lineTo(*p);
            m_canvasAt = p;
        }
        m_position = p;
    }
    // The canvas's pen was moved behind the plotter's back; the next line
    // moves it again first.
    void canvasMoved() { m_canvasAt.reset(); }
    void line(MaybePoint from, MaybePoint to) {
        moveTo(from);
        lineTo(to);
    }
    void label(QPoint topLeft, long double value) {
        if (const std::optional<qint64> whole = roundToWhole(value))
            m_canvas.textOut(topLeft, QString::number(*whole));
    }

private:
    TDiagramCanvas& m_canvas;
    MaybePoint m_position; // where the path stands; nothing when off the coordinates
    MaybePoint m_canvasAt; // where the canvas's pen stands
};

// The three rays of the side view and where they meet the ground.
void computeRays(DiagramGeometry& g) {
    const double halfPi = double(kHalfPi);
    const double delta = g.camHeight - g.objHeight;
    g.alpha = (-0.1L < delta && delta < 0.01L) ? halfPi
                                               : double(std::atan((long double)g.distance / delta));
    g.axis = double((long double)g.alpha - (long double)g.phi / 2);
    g.lowerEdge = double((long double)g.alpha - g.phi);
    const long double halfTan = std::tan((long double)g.theta / 2);
    if (0 < g.alpha && g.alpha < halfPi) {
        g.farDistance = double(g.camHeight * std::tan((long double)g.alpha));
        g.farHalfWidth = double(halfTan * g.farDistance);
    }
    g.axisDistance = double(g.camHeight * std::tan((long double)g.axis));
    g.nearDistance = double(g.camHeight * std::tan((long double)g.lowerEdge));
    g.nearHalfWidth = double(halfTan * g.nearDistance);
    g.tilt = roundToWhole(90 - (long double)g.axis * 180 / kPi);
}

void drawGrid(Plotter& p, const QSize box) {
    p.pen(DiagramPen::Grid, 1);
    for (int x = 0; x < box.width(); x += 10)
        p.line(QPoint(x, 0), QPoint(x, box.height()));
    for (int y = 0; y < box.height(); y += 10)
        p.line(QPoint(0, y), QPoint(box.width(), y));
}

void drawAxes(Plotter& p, const DiagramGeometry& g, const QSize box) {
    const int yG = g.groundY;
    p.pen(DiagramPen::Black, 1);
    p.line(QPoint(0, yG), QPoint(box.width(), yG));
    p.pen(DiagramPen::Black, 1);
    for (int x = kCameraX; x < box.width(); x += 100) {
        p.line(QPoint(x, yG - 2), QPoint(x, yG + 2));
        p.label(QPoint(x + 2, yG + 3), (long double)(x - kCameraX) * g.scale / 10);
    }
    p.pen(DiagramPen::Black, 1);
    p.line(QPoint(kCameraX, yG), QPoint(kCameraX, 0));
    for (int y = yG; y > 0; y -= 50) {
        p.line(QPoint(kCameraX - 2, y), QPoint(kCameraX + 2, y));
        if (y != yG)
            p.label(QPoint(kCameraX + 10, y - 5), (long double)(yG - y) * g.scale / 10);
    }
}

void drawCameraSymbol(Plotter& p, int yP) {
    const int x = kCameraX;
    p.pen(DiagramPen::Gray, 3);
    p.moveTo(QPoint(x - 1, yP - 4));
    p.lineTo(QPoint(x - 1, yP + 4));
    p.lineTo(QPoint(x - 8, yP));
    p.lineTo(QPoint(x - 1, yP - 4));
    p.moveTo(QPoint(x - 8, yP - 5));
    p.lineTo(QPoint(x - 30, yP - 5));
    p.lineTo(QPoint(x - 30, yP + 5));
    p.lineTo(QPoint(x - 8, yP + 5));
    p.lineTo(QPoint(x - 8, yP - 5));
}

} // namespace

std::optional<qint64> scaledPixels(double length, double scale) {
    if (scale == 0)
        return std::nullopt;
    const std::optional<qint64> px = roundToWhole((long double)length * 10 / scale);
    if (!px || !fitsCoordinate(*px))
        return std::nullopt;
    return px;
}

DiagramGeometry diagramGeometry(const DiagramFields& f, const QSize box) {
    DiagramGeometry g;
    g.camHeight = readDecimalOr(f.camHeight, f.separator, fallback::kDiagramCamHeight);
    g.scale = readDecimalOr(f.scale, f.separator, fallback::kDiagramScale);
    g.distance = readDecimalOr(f.distance, f.separator, fallback::kDiagramDistance);
    g.objHeight = readDecimalOr(f.objHeight, f.separator, fallback::kDiagramObjHeight);
    g.groundY = ((box.height() / 3) / 10) * 10;
    g.planY = 2 * g.groundY;
    g.theta = double(f.angle * kPi / 180);
    // Evaluated in extended precision and kept as a double, as every angle is.
    g.phi = double((long double)g.theta * 3 / 4);
    computeRays(g);
    return g;
}

void drawDiagram(TDiagramCanvas& canvas, const DiagramFields& fields, const QSize box,
                 const std::function<void(const QString&)>& writeTilt) {
    const DiagramGeometry g = diagramGeometry(fields, box);
    const auto P = [&g](double length) { return scaledPixels(length, g.scale); };
    const int yG = g.groundY, yP = g.planY, x0 = kCameraX;
    Plotter p(canvas);

    drawGrid(p, box);
    drawAxes(p, g, box);

    const MaybePoint camera = pointAt(x0, offsetBack(yG, P(g.camHeight)));
    p.pen(DiagramPen::Gray, 3);
    p.line(camera, camera);
    drawCameraSymbol(p, yP);

    const bool upperEdgeMeetsGround = g.farDistance > 0;
    const std::optional<qint64> farX = offset(x0, P(g.farDistance));
    if (upperEdgeMeetsGround) {
        const MaybePoint farLeft = pointAt(farX, offsetBack(yP, P(g.farHalfWidth)));
        const MaybePoint farRight = pointAt(farX, offset(yP, P(g.farHalfWidth)));
        p.pen(DiagramPen::Gray, 1);
        p.line(QPoint(x0, yP), farLeft);
        p.line(QPoint(x0, yP), farRight);
        p.lineTo(farLeft);
    }

    const double width = readDecimalOr(fields.width, fields.separator, fallback::kDiagramWidth);
    const std::optional<qint64> xD = offset(x0, P(g.distance));
    const std::optional<qint64> bar = P(width);
    const std::optional<qint64> halfBar = bar ? std::optional<qint64>(*bar / 2) : std::nullopt;
    p.pen(DiagramPen::Blue, 1);
    p.line(QPoint(x0, yP), pointAt(xD, offsetBack(yP, halfBar)));
    p.line(QPoint(x0, yP), pointAt(xD, offset(yP, halfBar)));
    p.pen(DiagramPen::Lime, 3);
    p.lineTo(pointAt(xD, offsetBack(yP, halfBar)));

    const MaybePoint objectTop = pointAt(xD, offsetBack(yG, P(g.objHeight)));
    p.pen(DiagramPen::Green, 3);
    p.line(pointAt(xD, yG), objectTop);

    if (g.tilt) {
        // The write may run a whole nested paint on the same canvas.
        writeTilt(QString::number(*g.tilt));
        p.canvasMoved();
    }

    if (upperEdgeMeetsGround) {
        p.pen(DiagramPen::Silver, 1);
        p.line(camera, pointAt(farX, yG));
    }
    p.pen(DiagramPen::Blue, 1);
    p.line(camera, objectTop);
    p.pen(DiagramPen::Silver, 1);
    p.line(camera, pointAt(offset(x0, P(g.axisDistance)), yG));
    const std::optional<qint64> nearX = offset(x0, P(g.nearDistance));
    p.pen(DiagramPen::Blue, 1);
    p.line(camera, pointAt(nearX, yG));
    p.pen(DiagramPen::Navy, 1);
    p.line(pointAt(nearX, offsetBack(yP, P(g.nearHalfWidth))),
           pointAt(nearX, offset(yP, P(g.nearHalfWidth))));
}

} // namespace vantrel::lens
