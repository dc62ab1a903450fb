// The lens tab's combo boxes under real input. Needs a real X server with a
// window manager: leaving a field, Enter and a list's popup with its grab
// reach the fields as the server delivers them, which events sent inside the
// process on the offscreen platform do not reproduce.
#include "lens/lenspage.h"
#include "tests/lens/lenscontrols.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/realinput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <optional>

using namespace vantrel::lens;
using namespace vantrel::test;

class TestLensPageX11 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void leavingAComboRunsNothing_data();
    void leavingAComboRunsNothing();
    void typedWidthTakesItsAngleWhenTheUserIsDone_data();
    void typedWidthTakesItsAngleWhenTheUserIsDone();

private:
    void typeInto(QComboBox* combo, const QString& text);
    void leave(const QString& how);

    FakePlatform* m_platform = nullptr;
    TLensPage* m_page = nullptr;
    std::optional<LensControls> m_c;
};

void TestLensPageX11::init() {
    m_platform = new FakePlatform;
    m_page = new TLensPage(m_platform->separator);
    m_page->selectDefaultSensor();
    m_c.emplace(m_page);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowActive(m_page));
}

void TestLensPageX11::cleanup() {
    m_c.reset();
    delete m_page;
    delete m_platform;
}

// Clicks into the field, selects its text and types over it.
void TestLensPageX11::typeInto(QComboBox* combo, const QString& text) {
    QVERIFY(click(combo->lineEdit()));
    QTRY_VERIFY(combo->hasFocus());
    QVERIFY(pressKey(QStringLiteral("ctrl+a")));
    QVERIFY(typeText(text));
}

// Ends the user's stay in the focused field without picking anything.
void TestLensPageX11::leave(const QString& how) {
    QComboBox* const focused = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(focused);
    if (how == "click elsewhere") {
        QVERIFY(click(m_c->cbCamHeight->lineEdit()));
        QTRY_VERIFY(m_c->cbCamHeight->hasFocus());
    } else if (how == "enter") {
        KeyReleases enter(Qt::Key_Return);
        QVERIFY(pressKey(QStringLiteral("Return")));
        QTRY_VERIFY(enter.count > 0);
    } else {
        QVERIFY(clickArrow(focused));
        QTRY_VERIFY(focused->view()->isVisible());
        if (how == "list closed by its arrow")
            QVERIFY(clickArrow(focused));
        else
            QVERIFY(pressKey(QStringLiteral("Escape")));
        QTRY_VERIFY(!focused->view()->isVisible());
    }
}

void TestLensPageX11::leavingAComboRunsNothing_data() {
    QTest::addColumn<QString>("how");
    for (const char* how :
         {"click elsewhere", "enter", "list closed by its arrow", "list closed by escape"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

// The width written after a pick is an item's text too, which Qt's editable
// combo box reports as picked whenever editing ends.
void TestLensPageX11::leavingAComboRunsNothing() {
    QFETCH(QString, how);
    const LensControls& p = *m_c;
    typeInto(p.cbObjDistance, QStringLiteral("12.5"));
    QTRY_COMPARE(p.cbObjDistance->currentText(), QStringLiteral("12.5"));
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral(".5")); // from distance 1

    QVERIFY(clickArrow(p.cbWidth));
    QTRY_VERIFY(p.cbWidth->view()->isVisible());
    QVERIFY(clickItem(p.cbWidth, p.cbWidth->findText(QStringLiteral("12"))));
    QTRY_COMPARE(p.seAngle->currentText(), QStringLiteral("51"));
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral("1"));
    QTRY_VERIFY(p.cbWidth->hasFocus());

    leave(how);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("51"));
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral("1"));
}

void TestLensPageX11::typedWidthTakesItsAngleWhenTheUserIsDone_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("written");
    QTest::newRow("12, enter") << "12"
                               << "enter"
                               << "33"
                               << "11.8";
    QTest::newRow("25, click elsewhere") << "25"
                                         << "click elsewhere"
                                         << "64"
                                         << "25";
}

// Every keystroke runs the angle's chain, but the text under the user's
// fingers stays until the user leaves the field or presses Enter.
void TestLensPageX11::typedWidthTakesItsAngleWhenTheUserIsDone() {
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, angle);
    QFETCH(QString, written);
    const LensControls& p = *m_c;
    typeInto(p.cbWidth, typed);
    QTRY_COMPARE(p.cbWidth->currentText(), typed);
    QCOMPARE(p.seAngle->currentText(), angle);
    leave(how);
    QTRY_COMPARE(p.cbWidth->currentText(), written);
    QCOMPARE(p.seAngle->currentText(), angle);
}

QTEST_MAIN(TestLensPageX11)
#include "tst_lenspage_x11.moc"
