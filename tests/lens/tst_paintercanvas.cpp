// The QPainter canvas draws one-pixel lines along an axis as filled
// rectangles; each must come out pixel for pixel as QPainter's own stroke.
#include "lens/diagram.h"
#include "lens/paintercanvas.h"
#include "tests/lens/initialfields.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vantrel::lens;

Q_DECLARE_METATYPE(vantrel::lens::DiagramFields)

namespace {

const QColor kFace(239, 239, 239);

struct PenUse {
    DiagramPen pen;
    int width;
};

// Every pen the diagram draws with, at the widths it uses them.
const PenUse kDiagramPens[] = {
    {DiagramPen::Grid, 1}, {DiagramPen::Silver, 1}, {DiagramPen::Black, 1},
    {DiagramPen::Gray, 3}, {DiagramPen::Gray, 1},   {DiagramPen::Blue, 1},
    {DiagramPen::Lime, 3}, {DiagramPen::Green, 3},  {DiagramPen::Navy, 1},
};

QString penName(PenUse use) {
    return QStringLiteral("%1/%2").arg(drawnColour(use.pen, kFace).name()).arg(use.width);
}

// The pen as the canvas sets it, so the reference strokes with the same one.
QPen strokePen(PenUse use) {
    return QPen(drawnColour(use.pen, kFace), use.width, Qt::SolidLine,
                use.width > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
}

QImage blankImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kFace);
    return image;
}

QImage throughCanvas(QSize size, PenUse use, QPoint from, QPoint to, const QTransform& transform) {
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setTransform(transform);
    TPainterCanvas canvas(painter, size, kFace, Qt::black);
    canvas.setPen(use.pen, use.width);
    canvas.moveTo(from);
    canvas.lineTo(to);
    return image;
}

// QPainter's stroke of the same line. A line of no length is a point: a
// stroke of no length with a round cap would draw nothing at all.
QImage stroked(QSize size, PenUse use, QPoint from, QPoint to, const QTransform& transform) {
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setTransform(transform);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(strokePen(use));
    if (from == to)
        painter.drawPoint(from);
    else
        painter.drawLine(from, to);
    return image;
}

// The first pixel where two images differ, for the failure message.
QString firstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("at %1,%2: %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(a.pixel(x, y)).name(), QColor(b.pixel(x, y)).name());
    return QStringLiteral("none");
}

// The reference for whole diagrams: strokes each line along an axis that
// lies on the image or just beside it, and leaves every other line to the
// canvas's own path, which has not changed.
class StrokingCanvas : public TPainterCanvas {
public:
    StrokingCanvas(QPainter& painter, QSize area)
        : TPainterCanvas(painter, area, kFace, Qt::black), m_painter(painter),
          m_near(QRect(QPoint(0, 0), area).adjusted(-8, -8, 8, 8)) {}
    void moveTo(QPoint point) override {
        m_at = point;
        TPainterCanvas::moveTo(point);
    }
    void lineTo(QPoint point) override {
        const QPoint from = m_at;
        m_at = point;
        if ((from.x() != point.x() && from.y() != point.y()) || !m_near.contains(from) ||
            !m_near.contains(point)) {
            TPainterCanvas::lineTo(point);
            return;
        }
        if (point == from)
            m_painter.drawPoint(point);
        else
            m_painter.drawLine(from, point);
        TPainterCanvas::moveTo(point);
    }

private:
    QPainter& m_painter;
    QRect m_near;
    QPoint m_at;
};

// The canvas under test, made the same way.
class FillingCanvas : public TPainterCanvas {
public:
    FillingCanvas(QPainter& painter, QSize area)
        : TPainterCanvas(painter, area, kFace, Qt::black) {}
};

using vantrel::test::initialFields;

template <class Canvas> QImage diagramOn(QSize box, const DiagramFields& fields) {
    QImage image = blankImage(box);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    Canvas canvas(painter, box);
    drawDiagram(canvas, fields, box, [](const QString&) {});
    return image;
}

} // namespace

class TestPainterCanvas : public QObject {
    Q_OBJECT
private slots:
    void axisLinesMatchTheStroke_data();
    void axisLinesMatchTheStroke();
    void wholeDiagramsMatchTheStroke_data();
    void wholeDiagramsMatchTheStroke();
};

void TestPainterCanvas::axisLinesMatchTheStroke_data() {
    QTest::addColumn<int>("penIndex");
    QTest::addColumn<QTransform>("transform");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("onTheImage");
    const struct {
        const char* name;
        QPoint from, to;
        bool onTheImage;
    } lines[] = {
        {"horizontal", {3, 7}, {25, 7}, true},
        {"vertical", {12, 2}, {12, 27}, true},
        {"horizontal reversed", {25, 9}, {3, 9}, true},
        {"vertical reversed", {14, 27}, {14, 2}, true},
        {"single point", {9, 9}, {9, 9}, true},
        {"two pixels", {5, 20}, {6, 20}, true},
        {"one past the bottom edge", {20, 0}, {20, 30}, true},
        {"one past the right edge", {0, 29}, {40, 29}, true},
        {"across the margin", {-10, 4}, {50, 4}, true},
        {"wholly in the margin", {-12, -3}, {-12, 40}, false},
        {"at the corner", {0, 0}, {0, 0}, true},
        {"diagonal", {2, 3}, {30, 21}, true},
    };
    for (int p = 0; p < int(std::size(kDiagramPens)); ++p)
        for (const auto& line : lines)
            QTest::addRow("%s %s", qPrintable(penName(kDiagramPens[p])), line.name)
                << p << QTransform() << QSize(40, 30) << line.from << line.to << line.onTheImage;

    // A painter whose pixels are not the device's must still match.
    const struct {
        const char* name;
        QTransform transform;
    } transforms[] = {
        {"shifted by whole pixels", QTransform::fromTranslate(3, -2)},
        {"shifted by half a pixel", QTransform::fromTranslate(0.5, 0.5)},
        {"scaled", QTransform::fromScale(2, 2)},
    };
    const QPoint shortLines[][2] = {{{2, 5}, {20, 5}},
                                    {{20, 8}, {2, 8}},
                                    {{7, 1}, {7, 20}},
                                    {{9, 20}, {9, 1}},
                                    {{4, 4}, {4, 4}}};
    for (const int p : {0, 2, 7})
        for (const auto& t : transforms)
            for (const auto& line : shortLines)
                QTest::addRow("%s %s %d,%d-%d,%d", qPrintable(penName(kDiagramPens[p])), t.name,
                              line[0].x(), line[0].y(), line[1].x(), line[1].y())
                    << p << t.transform << QSize(60, 50) << line[0] << line[1] << true;
}

void TestPainterCanvas::axisLinesMatchTheStroke() {
    QFETCH(int, penIndex);
    QFETCH(QTransform, transform);
    QFETCH(QSize, size);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, onTheImage);
    const PenUse use = kDiagramPens[penIndex];
    const QImage fast = throughCanvas(size, use, from, to, transform);
    const QImage reference = stroked(size, use, from, to, transform);
    QVERIFY2(fast == reference, qPrintable(firstDifference(fast, reference)));
    QCOMPARE(reference != blankImage(size), onTheImage);
}

void TestPainterCanvas::wholeDiagramsMatchTheStroke_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<DiagramFields>("fields");
    DiagramFields scaleTwo = initialFields();
    scaleTwo.scale = QStringLiteral("2");
    DiagramFields angleZero = initialFields();
    angleZero.angle = 0;
    DiagramFields farAway = initialFields();
    farAway.distance = QStringLiteral("1e10");
    QTest::newRow("design size") << QSize(339, 369) << initialFields();
    QTest::newRow("design size, scale 2") << QSize(339, 369) << scaleTwo;
    QTest::newRow("design size, angle 0") << QSize(339, 369) << angleZero;
    QTest::newRow("design size, far object") << QSize(339, 369) << farAway;
    QTest::newRow("odd size") << QSize(101, 57) << initialFields();
    QTest::newRow("one pixel") << QSize(1, 1) << initialFields();
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << initialFields();
}

void TestPainterCanvas::wholeDiagramsMatchTheStroke() {
    QFETCH(QSize, box);
    QFETCH(DiagramFields, fields);
    const QImage fast = diagramOn<FillingCanvas>(box, fields);
    const QImage reference = diagramOn<StrokingCanvas>(box, fields);
    QVERIFY2(fast == reference, qPrintable(firstDifference(fast, reference)));
}

QTEST_MAIN(TestPainterCanvas)
#include "tst_paintercanvas.moc"
