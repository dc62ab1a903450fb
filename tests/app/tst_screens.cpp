// Renders every tab of the main window to PNG files in the build folder
// (screens/*.png; *-ru.png in Russian, *-min.png and *-large.png resized) so the layout can be
// checked by eye; also checks that each picture has the page's size and is not blank.
#include "app/application.h"
#include "app/calc.h"
#include "platform/ui/tabsheet.h"
#include "tests/app/appmain.h"
#include "tests/support/fakeplatform.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTabWidget>
#include <QTest>

using namespace vantrel;

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void rendersEachTab_data() {
        QTest::addColumn<quint16>("langId");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QSize>("size");
        QTest::newRow("English") << quint16(0x0409) << QString() << kDesignClientSize;
        QTest::newRow("Russian") << quint16(0x0419) << QString("-ru") << kDesignClientSize;
        QTest::newRow("smallest") << quint16(0x0409) << QString("-min") << kMinimumClientSize;
        QTest::newRow("large") << quint16(0x0409) << QString("-large") << QSize(1000, 700);
    }
    void rendersEachTab() {
        QFETCH(quint16, langId);
        QFETCH(QString, suffix);
        QFETCH(QSize, size);
        test::FakePlatform platform;
        platform.langId = langId;
        QLocale::setDefault(QLocale::c());
        TCalc calc(platform);
        auto* tabs = calc.findChild<QTabWidget*>("PageControl1");
        calc.resize(size);
        calc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calc));
        const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath("screens");
        QVERIFY(QDir().mkpath(folder));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QImage window = calc.grab().toImage();
            const QString name = tabs->widget(i)->objectName();
            QVERIFY(window.save(QDir(folder).filePath(name + suffix + ".png")));
            QCOMPARE(window.size(), calc.size() * window.devicePixelRatio());
            QSet<QRgb> colours;
            for (int y = 0; y < window.height(); y += 3)
                for (int x = 0; x < window.width(); x += 3)
                    colours.insert(window.pixel(x, y));
            QVERIFY2(colours.size() > 8, qPrintable(name + " looks blank"));
        }
    }
};

VANTREL_APP_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
