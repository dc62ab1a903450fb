// The field-of-view diagram, checked call by call through a recording canvas,
// and its QPainter canvas on an image.
#include "lens/diagram.h"
#include "lens/paintercanvas.h"
#include "tests/lens/initialfields.h"
#include "tests/lens/recordingcanvas.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>

using namespace vantrel::lens;
using vantrel::test::RecordingCanvas;

namespace {

const QSize kDesignBox(339, 369);

using vantrel::test::initialFields;

// Paints once; the tilt is logged among the calls, where the paint writes it.
QStringList record(const DiagramFields& fields, QSize box = kDesignBox) {
    RecordingCanvas canvas;
    drawDiagram(canvas, fields, box, [&canvas](const QString& t) { canvas.calls << "tilt " + t; });
    return canvas.calls;
}

// The calls from the first one equal to `first` on.
QStringList from(const QStringList& calls, const QString& first) {
    const qsizetype i = calls.indexOf(first);
    return i < 0 ? QStringList() : calls.mid(i);
}

QStringList matching(const QStringList& calls, const QString& prefix) {
    QStringList out;
    for (const QString& c : calls)
        if (c.startsWith(prefix))
            out << c;
    return out;
}

// The lines the calls draw, each from where the pen stood, with pens, texts
// and other marks kept in their place.
QStringList strokes(const QStringList& calls) {
    QStringList out;
    QString at;
    for (const QString& c : calls) {
        if (c.startsWith("move ")) {
            at = c.mid(5);
        } else if (c.startsWith("line ")) {
            out << at + " to " + c.mid(5);
            at = c.mid(5);
        } else {
            out << c;
        }
    }
    return out;
}

QString tiltOf(const QStringList& calls) {
    const QStringList t = matching(calls, "tilt ");
    return t.size() == 1 ? t.front().mid(5) : QStringLiteral("<%1 tilts>").arg(t.size());
}

} // namespace

class TestLensDiagram : public QObject {
    Q_OBJECT
private slots:
    void designExampleGridAndAxes();
    void designExampleFromTheCameraOn();
    void scaleTwoHalvesEveryLength();
    void equalHeightsDropTheUpperEdge();
    void angleZeroIsOneRay();
    void followsTheBoxSize();
    void distanceZeroPutsThePostOnTheAxis();
    void cameraBelowTheObject();
    void nestedPaintLeavesTheRestAsDrawn();
    void unreadableTextTakesTheDefaults();
    void scaleZeroDrawsNoLength();
    void farOffLinesAreLeftOut();
    void paintsOnAnImage();
    void clipsHugeLinesOnAnImage();
    void recordsIntoAPicture();
};

void TestLensDiagram::designExampleGridAndAxes() {
    const QStringList calls = record(initialFields());
    // Grid: 34 columns and 37 rows of silver lines, columns first.
    QCOMPARE(calls.front(), QStringLiteral("pen grid 1"));
    QCOMPARE(calls.mid(1, 4), (QStringList{"move 0,0", "line 0,369", "move 10,0", "line 10,369"}));
    QCOMPARE(calls.at(1 + 2 * 33), QStringLiteral("move 330,0"));
    QCOMPARE(calls.at(1 + 2 * 34), QStringLiteral("move 0,0"));
    QCOMPARE(calls.at(2 + 2 * 34), QStringLiteral("line 339,0"));
    QCOMPARE(calls.at(1 + 2 * 34 + 2 * 36), QStringLiteral("move 0,360"));

    const QStringList axes = from(calls, "pen black 1");
    const QStringList expected = {"pen black 1",   "move 0,120",   "line 339,120", // ground
                                  "pen black 1",   "move 40,118",  "line 40,122",
                                  "text 42,123 0",                                    // distances
                                  "move 140,118",  "line 140,122", "text 142,123 10", //
                                  "move 240,118",  "line 240,122", "text 242,123 20", //
                                  "pen black 1",   "move 40,120",  "line 40,0",       // heights
                                  "move 38,120",   "line 42,120",                     //
                                  "move 38,70",    "line 42,70",   "text 50,65 5",    //
                                  "move 38,20",    "line 42,20",   "text 50,15 10",   //
                                  "pen gray 3"};
    QCOMPARE(axes.mid(0, expected.size()), expected);
}

void TestLensDiagram::designExampleFromTheCameraOn() {
    const QStringList expected = {
        "pen gray 3",   "move 40,50",   "line 40,50", // camera in the side view
        "pen gray 3",   "move 39,236",  "line 39,244",  "line 32,240",  "line 39,236",
        "move 32,235",  "line 10,235",  "line 10,245",  "line 32,245",  "line 32,235",
        "pen gray 1",   "move 40,240",  "line 320,170", "move 40,240",  "line 320,310",
        "line 320,170", // plan-view field of view
        "pen blue 1",   "move 40,240",  "line 240,190", "move 40,240",  "line 240,290",
        "pen lime 3",   "line 240,190",                                 // scene width
        "pen green 3",  "move 240,120", "line 240,100",                 // object
        "tilt 25",      "pen silver 1", "move 40,50",   "line 320,120", // upper edge
        "pen blue 1",   "move 40,50",   "line 240,100",                 // to the object's top
        "pen silver 1", "move 40,50",   "line 193,120",                 // optical axis
        "pen blue 1",   "move 40,50",   "line 140,120",                 // lower edge
        "pen navy 1",   "move 140,215", "line 140,265"};
    QCOMPARE(from(record(initialFields()), "pen gray 3"), expected);
    // The axis's pixel hides its exactness.
    const DiagramGeometry g = diagramGeometry(initialFields(), kDesignBox);
    QVERIFY(qAbs(g.axisDistance - 15.334385346528) < 1e-9);
}

void TestLensDiagram::scaleTwoHalvesEveryLength() {
    DiagramFields f = initialFields();
    f.scale = QStringLiteral("2");
    const QStringList calls = record(f);
    QCOMPARE(matching(calls, "text 42,123 ").value(0), QStringLiteral("text 42,123 0"));
    QCOMPARE(matching(calls, "text 142,123 ").value(0), QStringLiteral("text 142,123 20"));
    QCOMPARE(matching(calls, "text 242,123 ").value(0), QStringLiteral("text 242,123 40"));
    QCOMPARE(matching(calls, "text 50,"), (QStringList{"text 50,65 10", "text 50,15 20"}));
    const QStringList rays = from(calls, "tilt 25");
    QCOMPARE(rays, (QStringList{"tilt 25", "pen silver 1", "move 40,85", "line 180,120",
                                "pen blue 1", "move 40,85", "line 140,110", "pen silver 1",
                                "move 40,85", "line 117,120", "pen blue 1", "move 40,85",
                                "line 90,120", "pen navy 1", "move 90,228", "line 90,252"}));
    QVERIFY(calls.contains("line 140,215")); // the scene width, 10 at scale 2
    QVERIFY(calls.contains("line 140,265"));
}

void TestLensDiagram::equalHeightsDropTheUpperEdge() {
    DiagramFields f = initialFields();
    f.camHeight = f.objHeight = QStringLiteral("2");
    f.angle = 40;
    const QStringList calls = record(f);
    QCOMPARE(tiltOf(calls), QStringLiteral("15"));
    QVERIFY(!calls.contains("pen gray 1"));
    // Straight from the tilt to the ray towards the object's top.
    const QStringList after = from(calls, "tilt 15");
    QCOMPARE(after.mid(0, 4),
             (QStringList{"tilt 15", "pen blue 1", "move 40,100", "line 240,100"}));
}

void TestLensDiagram::angleZeroIsOneRay() {
    DiagramFields f = initialFields();
    f.angle = 0;
    const QStringList calls = record(f);
    QCOMPARE(tiltOf(calls), QStringLiteral("14"));
    // The plan view collapses onto its centre line.
    QVERIFY(calls.contains("line 320,240"));
    const QStringList rays = from(calls, "tilt 14");
    QCOMPARE(rays, (QStringList{"tilt 14", "pen silver 1", "move 40,50", "line 320,120",
                                "pen blue 1", "move 40,50", "line 240,100", "pen silver 1",
                                "move 40,50", "line 320,120", "pen blue 1", "move 40,50",
                                "line 320,120", "pen navy 1", "move 320,240", "line 320,240"}));
}

void TestLensDiagram::followsTheBoxSize() {
    const QStringList calls = record(initialFields(), QSize(539, 569));
    QCOMPARE(matching(calls, "line ").filter(",569").size(), 54); // one per grid column
    QVERIFY(calls.contains("move 0,180"));                        // ground at a third
    QVERIFY(calls.contains("line 539,180"));
    QCOMPARE(matching(calls, "text ").filter(",183 "),
             (QStringList{"text 42,183 0", "text 142,183 10", "text 242,183 20", "text 342,183 30",
                          "text 442,183 40"}));
    QCOMPARE(matching(calls, "text 50,"),
             (QStringList{"text 50,125 5", "text 50,75 10", "text 50,25 15"}));
    QVERIFY(calls.contains("move 40,360")); // the plan view follows the ground line
    QCOMPARE(tiltOf(calls), QStringLiteral("25"));
}

void TestLensDiagram::distanceZeroPutsThePostOnTheAxis() {
    DiagramFields f = initialFields();
    f.distance = QStringLiteral("0");
    const QStringList calls = record(f);
    QVERIFY(!calls.contains("pen gray 1")); // no plan-view triangle
    // From the post on: no upper edge, and the axis and the lower edge slope
    // back behind the camera (-10.5 and -21 degrees from the vertical).
    QStringList sideView = from(calls, "pen green 3");
    sideView.removeIf([](const QString& c) { return c.startsWith("tilt "); });
    QCOMPARE(sideView, (QStringList{"pen green 3", "move 40,120", "line 40,100", "pen blue 1",
                                    "move 40,50", "line 40,100", "pen silver 1", "move 40,50",
                                    "line 27,120", "pen blue 1", "move 40,50", "line 13,120",
                                    "pen navy 1", "move 13,247", "line 13,233"}));
    QCOMPARE(diagramGeometry(f, kDesignBox).farDistance, 0.0);
}

void TestLensDiagram::cameraBelowTheObject() {
    DiagramFields f = initialFields();
    f.camHeight = QStringLiteral("2");
    f.objHeight = QStringLiteral("7");
    const QStringList calls = record(f);
    QVERIFY(!calls.contains("pen gray 1"));
    const QStringList rays = from(calls, "tilt " + tiltOf(calls));
    QCOMPARE(rays.mid(1, 3), (QStringList{"pen blue 1", "move 40,100", "line 240,50"}));
    // The rays are drawn as computed: the upper edge's angle from the vertical
    // is negative, and the tilt is 90 + 75.96 + 10.5 degrees.
    QVERIFY(diagramGeometry(f, kDesignBox).alpha < 0);
    QCOMPARE(tiltOf(calls), QStringLiteral("176"));
}

// The tilt write runs a whole paint on the same canvas, as the lens tab's
// tilt field does; the rest of the outer paint must draw as it would alone.
// Here the camera stands on the post's top, so the ray to it starts where the
// post ended, and the nested paint has moved the pen since.
void TestLensDiagram::nestedPaintLeavesTheRestAsDrawn() {
    DiagramFields f = initialFields();
    f.distance = QStringLiteral("0");
    f.camHeight = QStringLiteral("2");
    const QStringList alone = record(f);
    const QString tilt = "tilt " + tiltOf(alone);

    RecordingCanvas canvas;
    int depth = 0;
    std::function<void(const QString&)> writeTilt = [&](const QString&) {
        if (depth++ == 0)
            drawDiagram(canvas, f, kDesignBox, writeTilt);
        canvas.calls << "nested paint done";
    };
    drawDiagram(canvas, f, kDesignBox, writeTilt);
    const QStringList drawn = strokes(canvas.calls);
    const QStringList expected = strokes(alone);
    QCOMPARE(drawn.mid(drawn.lastIndexOf("nested paint done") + 1),
             expected.mid(expected.indexOf(tilt) + 1));
}

void TestLensDiagram::unreadableTextTakesTheDefaults() {
    DiagramFields f;
    f.camHeight = f.scale = f.distance = f.objHeight = f.width = QStringLiteral("x");
    f.angle = 28;
    const DiagramGeometry g = diagramGeometry(f, kDesignBox);
    QCOMPARE(g.camHeight, 3.0);
    QCOMPARE(g.scale, 1.0);
    QCOMPARE(g.distance, 10.0);
    QCOMPARE(g.objHeight, 3.0);
    const QStringList calls = record(f);
    QVERIFY(calls.contains("line 140,235")); // width 1: half a bar of 5 pixels at distance 10
}

void TestLensDiagram::scaleZeroDrawsNoLength() {
    DiagramFields f = initialFields();
    f.scale = QStringLiteral("0");
    const QStringList calls = record(f);
    QCOMPARE(tiltOf(calls), QStringLiteral("25"));
    QCOMPARE(matching(calls, "text ").filter(QRegularExpression(" 0$")).size(),
             matching(calls, "text ").size());
    // Nothing drawn after the camera symbol: every other line has a length.
    QCOMPARE(from(calls, "line 32,235").filter(QRegularExpression("^(move|line)")).size(), 1);
    QVERIFY(!calls.contains("move 40,50"));
    QVERIFY(!scaledPixels(1, 0));
}

void TestLensDiagram::farOffLinesAreLeftOut() {
    DiagramFields f = initialFields();
    f.camHeight = QStringLiteral("1e300");
    QStringList calls = record(f);
    // No camera point, and no ray from it.
    QCOMPARE(from(calls, "pen gray 3").value(1), QStringLiteral("pen gray 3"));
    // The tilt is still written: 90 + 10.5 degrees, give or take the last bit.
    const QString tilt = tiltOf(calls);
    QVERIFY2(tilt == "100" || tilt == "101", qPrintable(tilt));
    QCOMPARE(from(calls, "tilt " + tilt).filter(QRegularExpression("^(move|line)")).size(), 0);
    // An upper edge almost parallel to the ground meets it far outside 32 bits.
    f = initialFields();
    f.camHeight = QStringLiteral("2,02");
    f.separator = u',';
    f.distance = QStringLiteral("1e10");
    calls = record(f);
    QVERIFY(diagramGeometry(f, kDesignBox).farDistance > 1e11);
    for (const QString& c : calls)
        QVERIFY2(c.size() < 40, qPrintable(c));
    QVERIFY(!scaledPixels(3e8, 1));
    QCOMPARE(scaledPixels(2e8, 1), std::optional<qint64>(2000000000));
    QCOMPARE(scaledPixels(2.5, 1), std::optional<qint64>(25));
    QCOMPARE(scaledPixels(0.25, 1), std::optional<qint64>(2));
    // 0.35 is a little below 0.35 as a double, and extended precision sees it.
    QCOMPARE(scaledPixels(0.35, 1), std::optional<qint64>(3));
}

void TestLensDiagram::paintsOnAnImage() {
    QImage image(kDesignBox, QImage::Format_RGB32);
    const QColor face(239, 239, 239);
    image.fill(face);
    {
        QPainter painter(&image);
        QFont font = painter.font();
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        TPainterCanvas canvas(painter, kDesignBox, face, Qt::black);
        drawDiagram(canvas, initialFields(), kDesignBox, [](const QString&) {});
    }
    QCOMPARE(image.pixelColor(5, 10), QColor(192, 192, 192)); // grid
    QCOMPARE(image.pixelColor(5, 120), QColor(0, 0, 0));      // ground line
    // Lime would barely show on the face: it is drawn darker.
    QCOMPARE(image.pixelColor(240, 240), drawnColour(DiagramPen::Lime, face)); // scene width
    QCOMPARE(image.pixelColor(240, 110), QColor(0, 128, 0));                   // object
    QCOMPARE(image.pixelColor(140, 240), QColor(0, 0, 128));                   // near edge
    QCOMPARE(image.pixelColor(20, 235), QColor(128, 128, 128));                // camera body
    // The label "10" hides the grid line at y = 20 under its cell.
    int silverInLabel = 0, silverBeside = 0;
    for (int x = 50; x < 56; ++x)
        silverInLabel += image.pixelColor(x, 20) == QColor(192, 192, 192);
    for (int x = 100; x < 106; ++x)
        silverBeside += image.pixelColor(x, 20) == QColor(192, 192, 192);
    QCOMPARE(silverInLabel, 0);
    QCOMPARE(silverBeside, 6);
}

void TestLensDiagram::clipsHugeLinesOnAnImage() {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter, image.size(), Qt::white, Qt::black);
        canvas.setPen(DiagramPen::Blue, 3);
        canvas.moveTo(QPoint(-2000000000, -2000000000));
        canvas.lineTo(QPoint(2000000000, 2000000000));
        canvas.setPen(DiagramPen::Navy, 1);
        canvas.moveTo(QPoint(INT_MIN, 70));
        canvas.lineTo(QPoint(INT_MAX, 70));
        canvas.moveTo(QPoint(-5000, -5000));
        canvas.lineTo(QPoint(-4000, 5000)); // wholly outside
    }
    QCOMPARE(image.pixelColor(50, 50), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(10, 70), QColor(0, 0, 128));
    QCOMPARE(image.pixelColor(90, 70), QColor(0, 0, 128));
    QCOMPARE(image.pixelColor(10, 30), QColor(Qt::white));
}

void TestLensDiagram::recordsIntoAPicture() {
    const auto render = [](QPaintDevice& device) {
        QPainter painter(&device);
        TPainterCanvas canvas(painter, kDesignBox, Qt::lightGray, Qt::black);
        drawDiagram(canvas, initialFields(), kDesignBox, [](const QString&) {});
    };
    QImage direct(kDesignBox, QImage::Format_RGB32);
    direct.fill(Qt::lightGray);
    render(direct);
    QPicture picture;
    render(picture);
    QImage replayed(kDesignBox, QImage::Format_RGB32);
    replayed.fill(Qt::lightGray);
    {
        QPainter painter(&replayed);
        painter.drawPicture(0, 0, picture);
    }
    QCOMPARE(replayed, direct);
}

QTEST_MAIN(TestLensDiagram)
#include "tst_lensdiagram.moc"
