// Every text the window colours itself stays readable, in a light and in a
// dark colour scheme: its contrast against what is drawn behind it is at
// least 4.5:1, and on a light scheme the designed colours are untouched.
#include "app/application.h"
#include "app/calc.h"
#include "lens/lenspage.h"
#include "lens/paintbox.h"
#include "lens/spinedit.h"
#include "partners/aboutpage.h"
#include "platform/ui/legibility.h"
#include "platform/ui/tabsheet.h"
#include "tests/app/appmain.h"
#include "tests/app/calcfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

using namespace vantrel;

namespace {

QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    // Greyed text as dark schemes have it: about 2.5:1 on a greyed field.
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(118, 118, 118));
    return p;
}

// The colour drawn most often over a widget's area in the window's picture:
// what is behind its text.
QColor backgroundOf(QWidget* widget, const QImage& window) {
    const QRect area(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    QMap<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[window.pixel(x, y)];
    QRgb most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most))
            most = it.key();
    return QColor(most);
}

// The contrast of the most contrasting pixel in a widget's picture against the
// colour drawn most often there: its text against what is behind it.
double inkContrast(QWidget* widget) {
    const QImage picture = widget->grab().toImage();
    QMap<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    const QColor background(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = std::max(most, contrastRatio(QColor(it.key()), background));
    return most;
}

QImage pictureOfTab(TCalc& calc, const char* sheet) {
    calc.findChild<QTabWidget*>("PageControl1")
        ->setCurrentWidget(calc.findChild<QWidget*>(QString::fromLatin1(sheet)));
    QCoreApplication::processEvents();
    return calc.grab().toImage();
}

} // namespace

class TestLegibility : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        m.stop();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void textsKeepTheirContrast_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light scheme") << false;
        QTest::newRow("dark scheme") << true;
    }
    void textsKeepTheirContrast() {
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        m.start();
        TCalc& calc = *m.calc;

        const QImage planner = pictureOfTab(calc, "tsCalc");
        for (QLabel* label : {m.control<QLabel>("lbLink"), m.control<QLabel>("lbBanner")}) {
            const QColor ink = label->palette().color(QPalette::WindowText);
            QVERIFY2(contrastRatio(ink, backgroundOf(label, planner)) >= kMinimumContrast,
                     qPrintable(label->objectName()));
        }
        for (QLineEdit* box : {m.control<QLineEdit>("edFPS"), m.control<QLineEdit>("edBandwidth"),
                               m.control<QLineEdit>("edSpace")}) {
            const QPalette p = box->palette();
            QCOMPARE(p.color(QPalette::Base), QColor(224, 238, 254));
            QVERIFY2(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)) >=
                         kMinimumContrast,
                     qPrintable(box->objectName()));
        }

        const QImage about = pictureOfTab(calc, "tsAbout");
        for (const char* name : {"lbName", "lbVersion"}) {
            auto* label = calc.findChild<QLabel*>(QLatin1String(name));
            QVERIFY(label);
            const QColor ink = label->palette().color(QPalette::WindowText);
            QVERIFY2(contrastRatio(ink, backgroundOf(label, about)) >= kMinimumContrast,
                     qPrintable(label->objectName()));
        }

        // The lens fields' computed and invalid-angle backgrounds.
        const lens::TLensPage& lens = *calc.findChild<lens::TLensPage*>("lensPage");
        auto* angle = lens.findChild<lens::TSpinEdit*>("seAngle");
        angle->setValue(0);
        angle->setValue(30);
        angle->setValue(0);
        for (QWidget* field :
             {lens.findChild<QWidget*>("edFocalLen"), lens.findChild<QWidget*>("cbWidth")}) {
            const QPalette p = field->palette();
            QVERIFY(p.color(QPalette::Base) != QApplication::palette().color(QPalette::Base));
            QVERIFY2(contrastRatio(p.color(QPalette::Text), p.color(QPalette::Base)) >=
                         kMinimumContrast,
                     qPrintable(field->objectName()));
        }

        // The computed tilt is not editable, yet its value reads.
        pictureOfTab(calc, "tsFocus");
        const auto* tilt = lens.findChild<lens::TSpinEdit*>("seTilt");
        auto* tiltText = tilt->findChild<QLineEdit*>();
        QVERIFY(!tilt->isEnabled() && tiltText);
        QVERIFY2(inkContrast(tiltText) >= kMinimumContrast,
                 qPrintable(QString::number(inkContrast(tiltText))));

        // A light scheme keeps the designed colours exactly.
        if (!dark) {
            QCOMPARE(m.control<QLabel>("lbLink")->palette().color(QPalette::WindowText),
                     QColor(0, 0, 255));
            QCOMPARE(calc.findChild<QLabel*>(QStringLiteral("lbName"))
                         ->palette()
                         .color(QPalette::WindowText),
                     QColor(0, 64, 128));
            QCOMPARE(m.control<QLineEdit>("edFPS")->palette().color(QPalette::Text),
                     QApplication::palette().color(QPalette::Text));
        }
    }

    // Each line of the diagram at its design size, at a pixel it alone draws
    // (the worked example's initial fields), and the pen it is drawn with.
    void diagramLinesShowOnTheirSheet_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light scheme") << false;
        QTest::newRow("dark scheme") << true;
    }
    void diagramLinesShowOnTheirSheet() {
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        m.start();
        TCalc& calc = *m.calc;
        const QImage picture = pictureOfTab(calc, "tsFocus");
        const QWidget* pb = calc.findChild<QWidget*>("pb");
        QCOMPARE(pb->size(), QSize(339, 369));
        const auto at = [&](int x, int y) {
            return picture.pixelColor(pb->mapTo(&calc, QPoint(x, y)));
        };
        const QColor sheet = at(5, 5);
        const struct {
            const char* line;
            QPoint point;
            QColor designed;
        } lines[] = {
            {"ground", {15, 120}, Qt::black},
            {"lower edge", {90, 85}, QColor(0, 0, 255)},
            {"upper edge", {280, 110}, QColor(192, 192, 192)},
            {"object", {240, 110}, QColor(0, 128, 0)},
            {"scene width", {240, 250}, QColor(0, 255, 0)},
            {"plan view", {280, 180}, QColor(128, 128, 128)},
            {"near edge", {140, 250}, QColor(0, 0, 128)},
        };
        for (const auto& l : lines) {
            const QColor drawn = at(l.point.x(), l.point.y());
            QVERIFY2(contrastRatio(drawn, sheet) >= 3.0,
                     qPrintable(QString("%1 %2 on %3").arg(l.line, drawn.name(), sheet.name())));
            // A designed colour that shows is kept.
            if (contrastRatio(l.designed, sheet) >= 3.0)
                QCOMPARE(drawn, l.designed);
        }
    }

private:
    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
