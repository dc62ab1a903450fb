// The banner labels with their link, and the About page.
#include "partners/aboutpage.h"
#include "partners/adrotation.h"
#include "partners/partnerbanner.h"
#include "partners/programicon.h"
#include "tests/support/fakeplatform.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <optional>

using namespace vantrel;
using vantrel::test::FakePlatform;

namespace {
// A control of the About page by its name; a missing one stops the run.
template <class W = QLabel> W* control(const QWidget& page, const char* name) {
    W* widget = page.findChild<W*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

bool handCursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::PointingHandCursor;
}
} // namespace

class TestPartnerWidgets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void labelsFollowTheRotation();
    void clickOpensShownAddress();
    void handCursorOverLink();
    void aboutPageFollowsResize();
    void versionLabel_data();
    void versionLabel();
    void iconIsThePackagedSvg();

private:
    FakePlatform m_platform;
    std::optional<TAdverts> m_ads;
    QWidget* m_page = nullptr;
    QLabel* m_banner = nullptr;
    QLabel* m_link = nullptr;
    TPartnerBanner* m_bannerCtl = nullptr;
};

void TestPartnerWidgets::init() {
    m_ads.emplace(m_platform); // a fresh rotation for every case
    m_page = new QWidget;
    m_banner = new QLabel(QStringLiteral("lbBanner"), m_page);
    m_link = new QLabel(QStringLiteral("lbLink"), m_page);
    m_link->setGeometry(16, 40, 237, 13);
    m_bannerCtl = new TPartnerBanner(m_banner, m_link, *m_ads, m_platform, m_page);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestPartnerWidgets::cleanup() {
    delete m_page;
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPartnerWidgets::labelsFollowTheRotation() {
    m_platform.biasMinutes = -60; // English at UTC+1: the frame-size note
    m_bannerCtl->showFirstAd();
    QCOMPARE(m_banner->text(), builtInAd(1).Banner);
    QCOMPARE(m_link->text(), builtInAd(1).LinkCaption);
    m_ads->setLastAdTick(m_platform.tick);
    m_bannerCtl->afterRecalculation(5); // within the interval: nothing moves
    QCOMPARE(m_link->text(), builtInAd(1).LinkCaption);
    for (int n = 0; n < 20 && m_ads->CurrentAd() == 1; ++n) {
        m_platform.tick += 10000;
        m_bannerCtl->afterRecalculation(6 + n);
    }
    const AdRec* shown = m_ads->current();
    QVERIFY(shown && m_ads->CurrentAd() > 2);
    QCOMPARE(m_link->text(), shown->LinkCaption);
    QVERIFY(m_banner->text() == shown->Banner || m_banner->text() == shown->AltBanner);
}

void TestPartnerWidgets::clickOpensShownAddress() {
    QTest::mouseClick(m_link, Qt::LeftButton);
    QVERIFY(m_platform.openedUrls.isEmpty()); // nothing on show yet
    m_bannerCtl->showFirstAd();
    QTest::mouseClick(m_link, Qt::RightButton);
    QTest::mouseClick(m_link, Qt::LeftButton);
    QCOMPARE(m_platform.openedUrls, QStringList{builtInAd(1).LinkTarget});
    QVERIFY(builtInAd(1).LinkTarget.startsWith(QLatin1String("https://")));
}

void TestPartnerWidgets::handCursorOverLink() {
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_link, &enter);
    QCoreApplication::sendEvent(m_link, &enter);
    QVERIFY(handCursorShown());
    QCoreApplication::sendEvent(m_link, &leave);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCoreApplication::sendEvent(m_link, &enter);
    m_link->hide(); // hidden under the mouse: the cursor must not stay
    QVERIFY(!QGuiApplication::overrideCursor());
    m_link->show();
    QCoreApplication::sendEvent(m_link, &enter);
    QVERIFY(handCursorShown()); // cleanup() checks that tearing down restores it
}

void TestPartnerWidgets::aboutPageFollowsResize() {
    TAboutPage page;
    page.resize(804, 578);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(control<QFrame>(page, "Bevel1")->geometry(), QRect(24, 72, 743, 493));
    QCOMPARE(control(page, "lbContainsLinks")->geometry(), QRect(32, 524, 369, 41));
    QCOMPARE(control(page, "Image1")->geometry(), QRect(24, 16, 41, 49));
    QCOMPARE(control(page, "lbName")->pos(), QPoint(80, 16));
    QCOMPARE(control(page, "lbVersion")->pos(), QPoint(80, 48));
}

void TestPartnerWidgets::versionLabel_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "version:"
                             << "3.1.0.7"
                             << "version: 3.1.0.7";
    QTest::newRow("Russian") << QStringLiteral("версия") << "3.1.0.7"
                             << QStringLiteral("версия 3.1.0.7");
    QTest::newRow("no version information") << "version:" << QString() << "version: ";
}

void TestPartnerWidgets::versionLabel() {
    QFETCH(QString, caption);
    QFETCH(QString, version);
    QFETCH(QString, expected);
    TAboutPage page;
    QLabel* label = control(page, "lbVersion");
    QCOMPARE(label->text(), QStringLiteral("version:"));
    label->setText(caption);
    page.completeVersionLabel(version);
    QCOMPARE(label->text(), expected);
}

void TestPartnerWidgets::iconIsThePackagedSvg() {
    // The About page and the window show the launcher's icon, not one of their own.
    QSvgRenderer svg(QStringLiteral(VANTREL_ICON_SVG));
    QVERIFY(svg.isValid());
    QImage expected(32, 32, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, 32, 32));
    painter.end();
    QCOMPARE(qAlpha(expected.pixel(16, 16)), 255);

    TAboutPage page;
    QCOMPARE(control(page, "Image1")->pixmap().toImage().convertToFormat(expected.format()),
             expected);
    const QImage window = programIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(window.convertToFormat(expected.format()), expected);
}

QTEST_MAIN(TestPartnerWidgets)
#include "tst_partnerwidgets.moc"
