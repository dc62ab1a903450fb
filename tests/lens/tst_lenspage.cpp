// The lens tab driven as a user drives it: typing, picking, leaving fields,
// with the chains of handlers and the diagram's tilt they end in.
#include "lens/fieldcolours.h"
#include "lens/lensitems.h"
#include "lens/lenspage.h"
#include "tests/lens/lenscontrols.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/localenumber.h"
#include "tests/support/modalwatchdog.h"
#include "tests/support/paintcounter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <optional>

using namespace vantrel::lens;
using vantrel::kComputedColour;
using vantrel::test::FakePlatform;
using vantrel::test::LensControls;
using vantrel::test::localeNumber;
using vantrel::test::ModalWatchdog;

namespace {

QColor baseOf(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}
QColor normalBase(const QWidget* w) {
    return QApplication::palette(w).color(QPalette::Base);
}

using vantrel::test::PaintCounter;

// What the tilt field shows each time pb is painted. A signal spy connected
// after the page would see a write made inside a handler before the write
// that ran the handler, so the order is taken from the paints instead.
class TiltAtPaints : public QObject {
public:
    TiltAtPaints(QWidget* box, const TSpinEdit* tilt) : m_tilt(tilt) {
        box->installEventFilter(this);
    }
    QStringList shown;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            shown << m_tilt->currentText();
        return false;
    }

private:
    const TSpinEdit* m_tilt;
};

QStringList texts(const QSignalSpy& spy) {
    QStringList out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toString();
    return out;
}

} // namespace

class TestLensPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsWithNothingComputed();
    void firstPaintWritesTheTilt();
    void controlsSitAtTheirDesignPlaces_data();
    void controlsSitAtTheirDesignPlaces();
    void labelsKeepTheirAnchorEdgeAsCaptionsChange();
    void listsRangesAndTabOrder();
    void anchoredControlsFollowAResize();
    void angle45GivesFocalLengthAndWidth();
    void sensorPickRecomputesTheFocalLength();
    void angleZeroKeepsTheFocalLength();
    void typedWidthGivesTheAngle();
    void widthWhoseAngleIsShownStaysAsTyped();
    void distanceIsWholeForTheWidthOnly();
    void fractionItemsTakeTheSeparator_data();
    void fractionItemsTakeTheSeparator();
    void objectHeightRunsTheTiltChain();
    void equalHeightsShowTheirBandOnlyUntilTheRepaint();
    void cameraHeightRepaintsAtOnceWithoutTheTiltCalculation();
    void angleIsLimitedWhenItLosesTheFocus();
    void angleTakesOnlyNumberCharacters();
    void arrowKeysStepWithinTheRange();
    void codeWritesToCombosRunNothing();
    void secondPaintBoxStaysEmpty();
    void labelsTakeTheColourThePageShows();
    void hiddenPageKeepsTheTiltInStep();

private:
    void showPage();
    void makePage();
    void typeInto(QComboBox* combo, const QString& text);
    void pasteInto(QComboBox* combo, const QString& text);
    void typeAngle(const QString& text);
    void pick(QComboBox* combo, int index);

    FakePlatform* m_platform = nullptr;
    ModalWatchdog* m_watchdog = nullptr;
    TLensPage* m_page = nullptr;
    std::optional<LensControls> m_c;
};

void TestLensPage::init() {
    m_platform = new FakePlatform;
    m_watchdog = new ModalWatchdog;
    makePage();
}

void TestLensPage::makePage() {
    m_page = new TLensPage(m_platform->separator);
    m_page->selectDefaultSensor();
    m_c.emplace(m_page);
}

void TestLensPage::cleanup() {
    m_c.reset();
    delete m_page;
    delete m_watchdog;
    delete m_platform;
}

void TestLensPage::showPage() {
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    QApplication::processEvents();
}

// Keystrokes over the whole text, each one a change of its own.
void TestLensPage::typeInto(QComboBox* combo, const QString& text) {
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
}

// One edit that replaces the text, as a paste does.
void TestLensPage::pasteInto(QComboBox* combo, const QString& text) {
    combo->setFocus();
    combo->lineEdit()->selectAll();
    combo->lineEdit()->insert(text);
}

void TestLensPage::typeAngle(const QString& text) {
    m_c->seAngle->setFocus();
    m_c->seAngle->selectAll();
    QTest::keyClicks(m_c->seAngle, text);
}

// Opens the list and takes the item with the keyboard, as a user does.
void TestLensPage::pick(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(combo->currentIndex(), index);
}

void TestLensPage::startsWithNothingComputed() {
    const LensControls& p = *m_c;
    QCOMPARE(p.cbMatrix->currentIndex(), 4);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("28"));
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral("10"));
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("15"));
    QCOMPARE(p.cbCamHeight->currentText(), QStringLiteral("7"));
    QCOMPARE(p.cbScale->currentText(), QStringLiteral("1"));
    QCOMPARE(p.cbObjDistance->currentText(), QStringLiteral("20"));
    QCOMPARE(p.cbObjHeight->currentText(), QStringLiteral("2"));
    for (QWidget* w : {(QWidget*)p.edFocalLen, (QWidget*)p.seAngle, (QWidget*)p.cbWidth})
        QCOMPARE(baseOf(w), normalBase(w));
    QVERIFY(!p.seTilt->isEnabled());
    QVERIFY(p.seAngle->isEnabled());
}

void TestLensPage::firstPaintWritesTheTilt() {
    showPage();
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("25"));
    QCOMPARE(m_c->edFocalLen->text(), QStringLiteral("6"));
    // A screen reader hears the same tilt, with the fields the paint read.
    QCOMPARE(m_c->pb->accessibleDescription(),
             QStringLiteral("Field of view from the side and from above: tilt 25°, "
                            "width 10 at distance 20"));
}

void TestLensPage::controlsSitAtTheirDesignPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cbMatrix") << "cbMatrix" << QRect(16, 152, 105, 21);
    QTest::newRow("seAngle") << "seAngle" << QRect(16, 200, 105, 22);
    QTest::newRow("edFocalLen") << "edFocalLen" << QRect(16, 248, 105, 21);
    QTest::newRow("cbCamHeight") << "cbCamHeight" << QRect(16, 56, 105, 21);
    QTest::newRow("seTilt") << "seTilt" << QRect(16, 96, 105, 22);
    QTest::newRow("cbScale") << "cbScale" << QRect(16, 312, 105, 21);
    QTest::newRow("cbObjDistance") << "cbObjDistance" << QRect(288, 10, 65, 21);
    QTest::newRow("Shape1") << "Shape1" << QRect(514, 80, 3, 21);
    QTest::newRow("cbObjHeight") << "cbObjHeight" << QRect(522, 80, 89, 21);
    QTest::newRow("Shape2") << "Shape2" << QRect(514, 192, 3, 21);
    QTest::newRow("cbWidth") << "cbWidth" << QRect(522, 192, 89, 21);
    QTest::newRow("pb") << "pb" << QRect(160, 40, 339, 369);
    QTest::newRow("PaintBox2") << "PaintBox2" << QRect(520, 232, 161, 97);
    // Labels: their anchor corner; their size follows their text.
    QTest::newRow("lbCCD") << "lbCCD" << QRect(16, 136, 0, 0);
    QTest::newRow("lbAngle") << "lbAngle" << QRect(16, 184, 0, 0);
    QTest::newRow("lbFocalLen") << "lbFocalLen" << QRect(16, 232, 0, 0);
    QTest::newRow("lbCamHeight") << "lbCamHeight" << QRect(16, 40, 0, 0);
    QTest::newRow("lbCamAngle") << "lbCamAngle" << QRect(16, 80, 0, 0);
    QTest::newRow("lbScale") << "lbScale" << QRect(16, 296, 0, 0);
    QTest::newRow("lbObjHeight") << "lbObjHeight" << QRect(522, 64, 0, 0);
    QTest::newRow("lbWidth") << "lbWidth" << QRect(522, 176, 0, 0);
}

void TestLensPage::controlsSitAtTheirDesignPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    showPage();
    auto* w = m_page->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), m_page);
    QVERIFY(w->isVisible());
    if (rect.isEmpty()) {
        QCOMPARE(w->pos(), rect.topLeft());
        QVERIFY(qobject_cast<QLabel*>(w));
        QVERIFY(w->width() >= w->sizeHint().width());
    } else {
        QCOMPARE(w->geometry(), rect);
    }
}

void TestLensPage::labelsKeepTheirAnchorEdgeAsCaptionsChange() {
    showPage();
    QLabel* distance = m_c->lbObjDistance;
    QCOMPARE(distance->geometry().right() + 1, 282); // right-aligned, design 240 + 42
    QCOMPARE(distance->y(), 14);
    QVERIFY(distance->width() >= 42);
    QVERIFY(distance->alignment() & Qt::AlignRight);
    const QString captions[] = {QStringLiteral("Расстояние до объекта"),
                                QStringLiteral("Размер матрицы камеры")};
    distance->setText(captions[0]);
    m_c->lbCCD->setText(captions[1]);
    QApplication::processEvents();
    QApplication::processEvents();
    QCOMPARE(distance->geometry().right() + 1, 282);
    QVERIFY(distance->width() >= distance->sizeHint().width());
    QCOMPARE(m_c->lbCCD->pos(), QPoint(16, 136));
    QVERIFY(m_c->lbCCD->width() >= m_c->lbCCD->sizeHint().width());
}

void TestLensPage::listsRangesAndTabOrder() {
    const LensControls& p = *m_c;
    // Each box shows its own list (the lists themselves: tst_lensformulas).
    const std::pair<QComboBox*, QStringList> lists[] = {
        {p.cbMatrix, sensorFormatItems()},  {p.cbScale, scaleItems()},
        {p.cbObjDistance, distanceItems()}, {p.cbWidth, widthItems()},
        {p.cbCamHeight, camHeightItems()},  {p.cbObjHeight, objHeightItems(m_platform->separator)}};
    for (const auto& [combo, items] : lists) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(combo->isEditable(), combo != p.cbMatrix);
    }
    QCOMPARE(p.seAngle->minimum(), 0);
    QCOMPARE(p.seAngle->maximum(), 179);
    QCOMPARE(p.seTilt->minimum(), 0);
    QCOMPARE(p.seTilt->maximum(), 0);
    QCOMPARE(p.Shape1->colour(), QColor(0, 128, 0));
    QCOMPARE(p.Shape2->colour(), QColor(0, 255, 0));

    const QWidget* order[] = {p.cbMatrix,    p.seAngle,       p.edFocalLen,
                              p.cbScale,     p.cbObjDistance, p.cbWidth,
                              p.cbCamHeight, p.seTilt,        p.cbObjHeight};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        const QWidget* next = order[i - 1]->nextInFocusChain();
        // A combo box's or spin field's own line edit may come first in the chain.
        while (next && next->parentWidget() == order[i - 1])
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i]);
    }
}

void TestLensPage::anchoredControlsFollowAResize() {
    showPage();
    m_page->resize(904, 678);
    QApplication::processEvents();
    QCOMPARE(m_c->pb->geometry(), QRect(160, 40, 539, 569));
    QCOMPARE(m_c->cbWidth->geometry(), QRect(722, 192, 89, 21));
    QCOMPARE(m_c->Shape1->geometry(), QRect(714, 80, 3, 21));
    QCOMPARE(m_c->lbObjHeight->pos(), QPoint(722, 64));
    QCOMPARE(m_c->cbObjDistance->geometry(), QRect(288, 10, 65, 21));
    QCOMPARE(m_c->PaintBox2->geometry(), QRect(520, 232, 161, 97));
    // The diagram is laid out again from the new size: the ground line now
    // lies at a third of 569, at 180.
    const QImage shot = m_c->pb->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 180), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(5, 120), QColor(192, 192, 192));
}

void TestLensPage::angle45GivesFocalLengthAndWidth() {
    showPage();
    typeAngle("45");
    const LensControls& p = *m_c;
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("45"));
    QCOMPARE(p.edFocalLen->text(), localeNumber("3.9"));
    QCOMPARE(p.cbWidth->currentText(), localeNumber("16.6"));
    QCOMPARE(baseOf(p.cbWidth), kComputedColour);
    QCOMPARE(baseOf(p.seAngle), normalBase(p.seAngle));
    QCOMPARE(baseOf(p.edFocalLen), kComputedColour);
}

void TestLensPage::sensorPickRecomputesTheFocalLength() {
    showPage();
    typeAngle("90");
    pick(m_c->cbMatrix, 0);
    QCOMPARE(m_c->edFocalLen->text(), localeNumber("6.4"));
    // The arrow keys pick too.
    m_c->cbMatrix->setFocus();
    QTest::keyClick(m_c->cbMatrix, Qt::Key_Down);
    QTest::keyClick(m_c->cbMatrix, Qt::Key_Down);
    QCOMPARE(m_c->cbMatrix->currentIndex(), 2);
    QCOMPARE(m_c->edFocalLen->text(), localeNumber("3.2"));
}

void TestLensPage::angleZeroKeepsTheFocalLength() {
    showPage();
    const LensControls& p = *m_c;
    typeAngle("0");
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    QCOMPARE(baseOf(p.edFocalLen), kInvalidAngleColour);
    QCOMPARE(p.cbWidth->currentText(), QString());
    pick(p.cbMatrix, 0);
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    pick(p.cbScale, 1);
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    QCOMPARE(baseOf(p.edFocalLen), kInvalidAngleColour);
    QCOMPARE(p.cbWidth->currentText(), QString());
    // The diagram reads the empty width as 1 and goes on painting.
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("14"));
}

void TestLensPage::typedWidthGivesTheAngle() {
    showPage();
    const LensControls& p = *m_c;
    typeInto(p.cbWidth, "12");
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("33"));
    QCOMPARE(p.edFocalLen->text(), localeNumber("5.4"));
    // The text typed stays while the field has the focus (tst_lenspage_x11).
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral("12"));
    QCOMPARE(baseOf(p.seAngle), kComputedColour);
    QCOMPARE(baseOf(p.cbWidth), normalBase(p.cbWidth));
    QCOMPARE(baseOf(p.edFocalLen), kComputedColour);
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("26")); // the diagram's, at 33 degrees
}

void TestLensPage::widthWhoseAngleIsShownStaysAsTyped() {
    showPage();
    const LensControls& p = *m_c;
    QSignalSpy angleChanges(p.seAngle, &TSpinEdit::textChanged);
    pasteInto(p.cbWidth, localeNumber("9.8")); // 27.5 degrees, shown as 28 already
    QCOMPARE(angleChanges.count(), 0);
    QCOMPARE(p.cbWidth->currentText(), localeNumber("9.8"));
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    QCOMPARE(baseOf(p.seAngle), kComputedColour);
}

void TestLensPage::distanceIsWholeForTheWidthOnly() {
    showPage();
    const LensControls& p = *m_c;
    typeInto(p.cbObjDistance, localeNumber("12.5"));
    QCOMPARE(p.cbWidth->currentText(), localeNumber(".5")); // from distance 1
    QCOMPARE(baseOf(p.cbWidth), kComputedColour);
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("32")); // the diagram's 12.5
    // The empty last item: distance 1 for the width, 10 for the diagram.
    pick(p.cbObjDistance, 34);
    QCOMPARE(p.cbWidth->currentText(), localeNumber(".5"));
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("37"));
}

void TestLensPage::fractionItemsTakeTheSeparator_data() {
    QTest::addColumn<QChar>("separator");
    QTest::newRow("full stop") << QChar(u'.');
    QTest::newRow("comma") << QChar(u',');
}

void TestLensPage::fractionItemsTakeTheSeparator() {
    QFETCH(QChar, separator);
    m_platform->separator = separator;
    delete m_page; // the lists are filled as the page is made
    makePage();
    showPage();
    TiltAtPaints paints(m_c->pb, m_c->seTilt);
    pick(m_c->cbObjHeight, 0); // 1.5 for both readers
    QCOMPARE(paints.shown, (QStringList{"25", "15", "26"}));
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("26"));
}

void TestLensPage::objectHeightRunsTheTiltChain() {
    showPage();
    QSignalSpy tilts(m_c->seTilt, &TSpinEdit::textChanged);
    TiltAtPaints paints(m_c->pb, m_c->seTilt);
    pick(m_c->cbObjHeight, 2); // "2" again: 7, 2 and 20
    // The handler's repaint, the tilt field's repaint over CalcCameraTilt's
    // 14, and CalcCameraTilt's own repaint after the diagram put 25 back.
    QCOMPARE(paints.shown, (QStringList{"25", "14", "25"}));
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("25"));
    const QStringList shownTilts = texts(tilts);
    QCOMPARE(QSet<QString>(shownTilts.begin(), shownTilts.end()), (QSet<QString>{"14", "25"}));
    QCOMPARE(tilts.count(), 2);
}

void TestLensPage::equalHeightsShowTheirBandOnlyUntilTheRepaint() {
    showPage();
    typeAngle("40");
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("29"));
    TiltAtPaints paints(m_c->pb, m_c->seTilt);
    typeInto(m_c->cbObjHeight, "7");
    QCOMPARE(paints.shown, (QStringList{"29", "180", "15"}));
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("15")); // 3 x 40 / 8
}

void TestLensPage::cameraHeightRepaintsAtOnceWithoutTheTiltCalculation() {
    showPage();
    PaintCounter counter(m_c->pb);
    QSignalSpy tilts(m_c->seTilt, &TSpinEdit::textChanged);
    // No event loop runs between the edit and the checks.
    pasteInto(m_c->cbCamHeight, "9");
    QVERIFY(counter.paints >= 1);
    // The diagram's 30 only; CalcCameraTilt would have written 19.
    QCOMPARE(texts(tilts), QStringList{"30"});
    const int before = counter.paints;
    m_c->seAngle->setText(QStringLiteral("28")); // the same text: nothing runs
    QCOMPARE(counter.paints, before);
}

void TestLensPage::angleIsLimitedWhenItLosesTheFocus() {
    showPage();
    const LensControls& p = *m_c;
    typeAngle("200");
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("200")); // used as typed
    QCOMPARE(p.edFocalLen->text(), localeNumber("-.3"));
    // A context menu or another window leaves the field its focus.
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(p.seAngle, &away);
        QCOMPARE(p.seAngle->currentText(), QStringLiteral("200"));
    }
    QTest::keyClick(p.seAngle, Qt::Key_Tab);
    QVERIFY(!p.seAngle->hasFocus());
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("179"));
    QCOMPARE(p.edFocalLen->text(), localeNumber(".0"));
    QCOMPARE(p.cbWidth->currentText(), localeNumber("4582.9"));

    typeAngle("-5");
    QCOMPARE(p.cbWidth->currentText(), localeNumber("-1.7"));
    p.cbScale->setFocus();
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("0"));
    QCOMPARE(baseOf(p.edFocalLen), kInvalidAngleColour);
    QCOMPARE(p.cbWidth->currentText(), QString());
}

void TestLensPage::angleTakesOnlyNumberCharacters() {
    showPage();
    const LensControls& p = *m_c;
    typeAngle("4a5");
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("45"));
    typeAngle(localeNumber("1.5")); // not a whole number: reads as 0
    QCOMPARE(p.seAngle->currentText(), localeNumber("1.5"));
    QCOMPARE(p.seAngle->value(), 0);
    QCOMPARE(baseOf(p.edFocalLen), kInvalidAngleColour);
    QCOMPARE(p.cbWidth->currentText(), QString());
    // In range as 0, so leaving the field keeps the text.
    p.cbScale->setFocus();
    QCOMPARE(p.seAngle->currentText(), localeNumber("1.5"));
}

void TestLensPage::arrowKeysStepWithinTheRange() {
    showPage();
    const LensControls& p = *m_c;
    typeAngle("178");
    QTest::keyClick(p.seAngle, Qt::Key_Up);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("179"));
    QCOMPARE(p.cbWidth->currentText(), localeNumber("4582.9"));
    QTest::keyClick(p.seAngle, Qt::Key_Up);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("179"));
    typeAngle("1");
    QTest::keyClick(p.seAngle, Qt::Key_Down);
    QTest::keyClick(p.seAngle, Qt::Key_Down);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("0"));
}

void TestLensPage::codeWritesToCombosRunNothing() {
    showPage();
    const LensControls& p = *m_c;
    p.cbWidth->setEditText(QStringLiteral("50"));
    p.cbObjDistance->setEditText(QStringLiteral("5"));
    p.cbObjHeight->setCurrentIndex(5);
    p.cbMatrix->setCurrentIndex(0);
    QCOMPARE(p.seAngle->currentText(), QStringLiteral("28"));
    QCOMPARE(p.cbWidth->currentText(), QStringLiteral("50"));
    QCOMPARE(p.edFocalLen->text(), QStringLiteral("6"));
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("25"));
}

void TestLensPage::secondPaintBoxStaysEmpty() {
    showPage();
    const QImage shot = m_page->grab().toImage();
    const QRect box = m_c->PaintBox2->geometry();
    const QColor face = shot.pixelColor(700, 470); // a bare corner of the page
    int differing = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            differing += shot.pixelColor(x, y) != face;
    QCOMPARE(differing, 0);
    m_c->PaintBox2->repaint();
    QCOMPARE(m_c->seTilt->currentText(), QStringLiteral("25"));
}

void TestLensPage::labelsTakeTheColourThePageShows() {
    // A tab control's pane need not be the window's colour (Fusion lightens it).
    QTabWidget tabs;
    auto* sheet = new QWidget;
    tabs.addTab(sheet, QStringLiteral("Lens"));
    m_page->setParent(sheet);
    const auto giveBack = qScopeGuard([this] { m_page->setParent(nullptr); });
    tabs.resize(720, 520);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    const QImage shot = tabs.grab().toImage();
    const QColor pane = shot.pixelColor(sheet->mapTo(&tabs, QPoint(700, 470)));
    QVERIFY(pane != tabs.palette().color(QPalette::Window));
    // The top row of the height label "10" at (50, 15) of pb: above its digits.
    const QPoint label = m_c->pb->mapTo(&tabs, QPoint(50, 15));
    for (int dx = 0; dx < 6; ++dx)
        QCOMPARE(shot.pixelColor(label + QPoint(dx, 0)), pane);
}

void TestLensPage::hiddenPageKeepsTheTiltInStep() {
    // Never shown, so pb cannot be painted; the handler's repaint still
    // writes the diagram's tilt.
    const LensControls& p = *m_c;
    p.cbObjHeight->lineEdit()->selectAll();
    p.cbObjHeight->lineEdit()->insert(QStringLiteral("3"));
    QCOMPARE(p.seTilt->currentText(), QStringLiteral("22"));
}

QTEST_MAIN(TestLensPage)
#include "tst_lenspage.moc"
