// The four lens calculations against the worked examples and their limits.
#include "lens/lensformat.h"
#include "lens/lensformulas.h"
#include "lens/lensitems.h"

#include <QTest>

using namespace vantrel::lens;

class TestLensFormulas : public QObject {
    Q_OBJECT
private slots:
    void focalLength_data();
    void focalLength();
    void focalLengthHasNoValueWithoutAnAngle();
    void sceneWidth_data();
    void sceneWidth();
    void angleFromWidth_data();
    void angleFromWidth();
    void cameraTilt_data();
    void cameraTilt();
    void sensorTableMatchesItsList();
    void dropDownItems();
};

void TestLensFormulas::focalLength_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("28 at 1/4") << 28 << 4 << "6.4";
    QTest::newRow("45 at 1/4") << 45 << 4 << "3.9";
    QTest::newRow("90 at 1") << 90 << 0 << "6.4";
    QTest::newRow("90 at 1/2") << 90 << 2 << "3.2";
    QTest::newRow("90 at 1/4") << 90 << 4 << "1.6";
    QTest::newRow("1 at 1") << 1 << 0 << "733.4";
    QTest::newRow("179 at 1") << 179 << 0 << ".1";
    QTest::newRow("179 at 2/3") << 179 << 1 << ".0";
    QTest::newRow("33 at 1/4") << 33 << 4 << "5.4";
    // Typed past the limit while the field has the focus: used as typed.
    QTest::newRow("200 at 1/4") << 200 << 4 << "-.3";
}

void TestLensFormulas::focalLength() {
    QFETCH(int, angle);
    QFETCH(int, format);
    QFETCH(QString, text);
    const std::optional<double> f = focalLengthMm(angle, *sensorWidthMm(format));
    QVERIFY(f);
    QCOMPARE(formatOneDecimal(*f, u'.'), text);
}

void TestLensFormulas::focalLengthHasNoValueWithoutAnAngle() {
    QVERIFY(!focalLengthMm(0, 3.2));
    QVERIFY(!sensorWidthMm(-1));
    QVERIFY(!sensorWidthMm(5));
}

void TestLensFormulas::sceneWidth_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("distance");
    QTest::addColumn<QString>("text");
    QTest::newRow("28 at 20") << 28 << 20 << "10";
    QTest::newRow("45 at 20") << 45 << 20 << "16.6";
    QTest::newRow("179 at 20") << 179 << 20 << "4582.9";
    QTest::newRow("33 at 20") << 33 << 20 << "11.8";
    QTest::newRow("28 at 1") << 28 << 1 << ".5";
    QTest::newRow("angle 0") << 0 << 20 << "";
    QTest::newRow("distance 0") << 28 << 0 << "";
    QTest::newRow("largest distance") << 28 << 2147483647 << "1070854676.1";
}

void TestLensFormulas::sceneWidth() {
    QFETCH(int, angle);
    QFETCH(int, distance);
    QFETCH(QString, text);
    QCOMPARE(formatOneDecimal(vantrel::lens::sceneWidth(angle, distance), u'.'), text);
}

void TestLensFormulas::angleFromWidth_data() {
    QTest::addColumn<int>("shown");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("angle");
    QTest::newRow("12 at 20") << 28 << 20.0 << 12.0 << 33;
    QTest::newRow("10 at 20 keeps 28") << 28 << 20.0 << 10.0 << 28;
    QTest::newRow("distance 0 keeps the angle") << 45 << 0.0 << 12.0 << 45;
    QTest::newRow("negative distance keeps the angle") << 45 << -3.0 << 12.0 << 45;
    QTest::newRow("width 0") << 28 << 20.0 << 0.0 << 0;
    QTest::newRow("half a degree goes to 0") << 28 << 20.0 << 0.17 << 0;
    QTest::newRow("negative width") << 28 << 20.0 << -5.0 << 0;
    QTest::newRow("huge width") << 28 << 1.0 << 1e300 << 179;
    QTest::newRow("kept angle is limited") << 200 << 0.0 << 1.0 << 179;
}

void TestLensFormulas::angleFromWidth() {
    QFETCH(int, shown);
    QFETCH(double, distance);
    QFETCH(double, width);
    QFETCH(int, angle);
    QCOMPARE(vantrel::lens::angleFromWidth(shown, distance, width), angle);
}

void TestLensFormulas::cameraTilt_data() {
    QTest::addColumn<double>("camHeight");
    QTest::addColumn<double>("objHeight");
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("tilt");
    QTest::newRow("7 2 20") << 7.0 << 2.0 << 20.0 << 14;
    QTest::newRow("equal heights") << 2.0 << 2.0 << 20.0 << 180;
    QTest::newRow("just inside the band") << 2.09 << 2.0 << 20.0 << 180;
    QTest::newRow("just inside below") << 1.91 << 2.0 << 20.0 << 180;
    QTest::newRow("camera below the object") << 2.0 << 7.0 << 20.0 << 166;
    QTest::newRow("object right below") << 7.0 << 2.0 << 0.0 << 90;
    QTest::newRow("3.0 read for a comma item") << 7.0 << 3.0 << 20.0 << 11;
}

void TestLensFormulas::cameraTilt() {
    QFETCH(double, camHeight);
    QFETCH(double, objHeight);
    QFETCH(double, distance);
    QFETCH(int, tilt);
    QCOMPARE(cameraTiltDegrees(camHeight, objHeight, distance), tilt);
}

void TestLensFormulas::sensorTableMatchesItsList() {
    const QStringList items = sensorFormatItems();
    QCOMPARE(items.size(), int(kSensorWidthsMm.size()));
    QCOMPARE(items.front(), QStringLiteral("1 \""));
    QCOMPARE(items.back(), QStringLiteral("1/4 \""));
}

void TestLensFormulas::dropDownItems() {
    QCOMPARE(scaleItems().size(), 8);
    QCOMPARE(widthItems().size(), 34);
    QCOMPARE(distanceItems().size(), 35);
    QCOMPARE(distanceItems().last(), QString());
    QCOMPARE(distanceItems().mid(0, 34), widthItems());
    QCOMPARE(camHeightItems().size(), 19);
    QCOMPARE(objHeightItems(u',').size(), 17);
    QCOMPARE(objHeightItems(u',').mid(0, 4), (QStringList{"1,5", "1,7", "2", "2,5"}));
    QCOMPARE(objHeightItems(u'.').mid(0, 4), (QStringList{"1.5", "1.7", "2", "2.5"}));
}

QTEST_GUILESS_MAIN(TestLensFormulas)
#include "tst_lensformulas.moc"
