// The field-of-view diagram: its geometry from the fields' texts and the box
// size, and its drawing steps through a small canvas interface, so the same
// steps draw on a widget, an image or a test's recorder.
#pragma once

#include <QChar>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace vantrel::lens {

// Grid is the sheet's silver ruling; the others draw the picture.
enum class DiagramPen { Grid, Silver, Black, Gray, Blue, Lime, Green, Navy };

// What the diagram needs from a drawing surface. Points are pixels of the box.
class TDiagramCanvas {
public:
    virtual ~TDiagramCanvas() = default;
    virtual void setPen(DiagramPen pen, int width) = 0;
    virtual void moveTo(QPoint point) = 0;
    virtual void lineTo(QPoint point) = 0;
    // Text with its top-left corner at the point, on an opaque background.
    virtual void textOut(QPoint topLeft, const QString& text) = 0;
};

// Draws nothing: for a paint whose only visible effect is the tilt it writes.
class TNullCanvas : public TDiagramCanvas {
public:
    void setPen(DiagramPen, int) override {}
    void moveTo(QPoint) override {}
    void lineTo(QPoint) override {}
    void textOut(QPoint, const QString&) override {}
};

// The fields the diagram reads, as they stand when the paint starts.
struct DiagramFields {
    QString camHeight;
    QString scale;
    QString distance;
    QString objHeight;
    QString width;
    qint32 angle = 0; // the angle field's value
    QChar separator = u'.';
};

// The numbers of one paint. Lengths are in the user's unit, angles in radians
// measured from the downward vertical through the camera.
struct DiagramGeometry {
    double camHeight = 0, scale = 0, distance = 0, objHeight = 0;
    int groundY = 0; // side view's ground line
    int planY = 0;   // plan view's centre line
    double theta = 0, phi = 0, alpha = 0, axis = 0, lowerEdge = 0;
    double farDistance = 0, farHalfWidth = 0; // where the upper edge meets the ground
    double axisDistance = 0;
    double nearDistance = 0, nearHalfWidth = 0; // where the lower edge meets the ground
    std::optional<qint64> tilt;                 // degrees below the horizontal
};

inline constexpr int kCameraX = 40;

DiagramGeometry diagramGeometry(const DiagramFields& fields, QSize box);

// Pixels for a length at a scale (units per 10 pixels); nothing when the scale
// is 0 or the result leaves a 32-bit coordinate.
std::optional<qint64> scaledPixels(double length, double scale);

// Draws every step on the canvas. The tilt is handed to writeTilt between the
// plan view and the side-view rays; a nested paint may run inside that call.
void drawDiagram(TDiagramCanvas& canvas, const DiagramFields& fields, QSize box,
                 const std::function<void(const QString&)>& writeTilt);

} // namespace vantrel::lens
