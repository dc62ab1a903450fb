// Russian captions on a window built like the main window, and only there.
#include "app/captions/captions.h"
#include "app/captions/captiontable.h"
#include "grid/gridcolumn.h"
#include "grid/plangrid.h"
#include "partners/aboutpage.h"
#include "partners/fileversion.h"
#include "platform/ui/tabsheet.h"
#include "tests/support/fakeplatform.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>

using namespace vantrel;

namespace {

TGridColumn* addColumn(QWidget* window, const QString& name, const QString& caption) {
    auto* grid = window->findChild<TPlanGrid*>();
    static test::FakePlatform platform;
    if (!grid)
        grid = new TPlanGrid(platform, window);
    return grid->addTextColumn(name, caption, 50);
}

// The caption a component shows, whatever its kind.
QString captionOf(QObject* component) {
    if (auto* label = qobject_cast<QLabel*>(component))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(component))
        return button->text();
    if (auto* column = qobject_cast<TGridColumn*>(component))
        return column->caption();
    if (auto* page = qobject_cast<TTabSheet*>(component))
        return page->caption();
    if (auto* edit = qobject_cast<QLineEdit*>(component))
        return edit->text();
    return {};
}

// A window with the kinds of controls the main window has, some of them under
// others; the design captions are those of the English layout.
struct TestWindow {
    QLabel window{QStringLiteral("Vantrel")};
    QTabWidget* tabs = new QTabWidget(&window);
    TTabSheet* tsCalc = new TTabSheet("tsCalc", "Bandwidth && Disk Space", tabs);
    TTabSheet* tsFocus = new TTabSheet("tsFocus", "Lens && Angle", tabs);
    TTabSheet* tsAbout = new TTabSheet("tsAbout", "?", tabs);
    TAboutPage* about = new TAboutPage(tsAbout);

    TestWindow() {
        window.setObjectName("lbTotal"); // the window itself is never translated
        add(new QPushButton("&Add new type", tsCalc), "btnAdd");
        add(new QPushButton("&Remove", tsCalc), "btnRemove");
        add(new QLabel("TOTAL:", tsCalc), "lbTotal");
        add(new QLabel("Total FPS", tsCalc), "lbFPS");
        add(new QLabel("TOTAL:", tsCalc), "lbtotal");
        add(new QLabel("TOTAL:", tsCalc), "");
        add(new QLabel("lbBanner", tsCalc), "lbBanner");
        add(new QLineEdit("1 GB", tsCalc), "lbDisk");
        add(new QLabel("Angle", tsFocus), "lbAngle");
        addColumn(&window, "cFPS", "FPS");
        addColumn(&window, "cFrameSize", "Frame Size*, KB");
        addColumn(&window, "cSize", "Disk Space, GB");
    }
    void add(QObject* component, const char* name) { component->setObjectName(name); }
    QObject* named(const QString& name) {
        return name == "tsAbout" ? tsAbout : window.findChild<QObject*>(name);
    }
};

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void translatesOnRussianOnly_data();
    void translatesOnRussianOnly();
    void unmatchedNamesKeepCaptions();
    void versionFollowsTranslatedCaption();
    void tableKeysAreDistinct();
};

void TestCaptions::translatesOnRussianOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("button") << "btnAdd"
                            << "&Add new type" << QStringLiteral("Добавить");
    QTest::newRow("second button") << "btnRemove"
                                   << "&Remove" << QStringLiteral("Удалить");
    QTest::newRow("label") << "lbTotal"
                           << "TOTAL:" << QStringLiteral("ИТОГО:");
    QTest::newRow("Latin in caption") << "lbFPS"
                                      << "Total FPS" << QStringLiteral("Сум.FPS");
    QTest::newRow("label on second tab") << "lbAngle"
                                         << "Angle" << QStringLiteral("Угол обзора(в градусах)");
    QTest::newRow("tab page") << "tsCalc"
                              << "Bandwidth && Disk Space"
                              << QStringLiteral("Трафик и Объем диска");
    QTest::newRow("column") << "cFrameSize"
                            << "Frame Size*, KB" << QStringLiteral("Размер кадра,Kб");
    QTest::newRow("column, same text") << "cFPS"
                                       << "FPS"
                                       << "FPS";
    QTest::newRow("About name") << "lbName"
                                << "Vantrel"
                                << "Vantrel";
    QTest::newRow("About version") << "lbVersion"
                                   << "version:" << QStringLiteral("версия");
}

void TestCaptions::translatesOnRussianOnly() {
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    for (int language : {9, 7, 0, 25 + 256, 25}) {
        TestWindow w;
        LocalizeCaptions(&w.window, language);
        QObject* component = w.named(name);
        QVERIFY(component);
        QCOMPARE(captionOf(component), language == 25 ? russian : english);
    }
    TestWindow w;
    LocalizeCaptions(&w.window, kRussianLanguage);
    QVERIFY(QKeySequence::mnemonic(captionOf(w.named(name))).isEmpty());
}

void TestCaptions::unmatchedNamesKeepCaptions() {
    TestWindow w;
    LocalizeCaptions(&w.window, kRussianLanguage);
    QCOMPARE(w.window.text(), "Vantrel");
    QCOMPARE(w.tsAbout->caption(), "?");
    QCOMPARE(w.named("lbtotal")->property("text").toString(), "TOTAL:");
    QCOMPARE(w.named("lbBanner")->property("text").toString(), "lbBanner");
    QCOMPARE(w.named("lbDisk")->property("text").toString(), "1 GB"); // not a label
    for (QLabel* label : w.window.findChildren<QLabel*>(QString()))
        if (label->objectName().isEmpty() && label->parent() == w.tsCalc)
            QCOMPARE(label->text(), "TOTAL:");
    QVERIFY(captionOf(w.named("lbContainsLinks")).startsWith(QStringLiteral("Программа")));
}

void TestCaptions::versionFollowsTranslatedCaption() {
    TestWindow w;
    LocalizeCaptions(&w.window, kRussianLanguage);
    w.about->completeVersionLabel();
    QCOMPARE(captionOf(w.named("lbVersion")), QStringLiteral("версия " VANTREL_EXPECTED_VERSION));
}

void TestCaptions::tableKeysAreDistinct() {
    QSet<QString> keys;
    for (const CaptionEntry& entry : captionTable()) {
        QVERIFY(entry.key.endsWith(".Caption"));
        QVERIFY(entry.caption.size() <= 200 && !entry.caption.contains('&'));
        keys << entry.key;
    }
    QCOMPARE(keys.size(), kCaptionCount);
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
