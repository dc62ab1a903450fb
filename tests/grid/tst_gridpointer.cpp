// The grid under a real pointer. These tests need a real X server with a
// window manager: a popup's pointer grab and hover tracking happen only in the
// window system's own event delivery, which synthetic Qt events bypass.
#include "grid/pickeditor.h"
#include "grid/plangrid.h"
#include "tests/grid/plannergrid.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/realinput.h"

#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <optional>

using namespace vantrel;
using vantrel::test::clickAt;
using vantrel::test::PlannerGrid;
using vantrel::test::pointerTo;

class TestGridPointer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clickElsewhereClosesTheListWithoutPicking();
    void arrowOpensAndClosesTheList();
    void keysOpenAndCloseTheList();
    void pageKeysInTheOpenListMoveByItsVisibleRows();
    void listsAndTheMenuUseTheWindowFont();
    void hoverTintsTheCellAndTheHeaderSection();

private:
    QPoint cellCentre(int row, int cell) const;
    TPickCellEditor* openPickEditor(int cell);
    QToolButton* arrowOf(TPickCellEditor* pick) const;

    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<PlannerGrid> m_g;
};

void TestGridPointer::init() {
    m_platform = std::make_unique<test::FakePlatform>();
    m_g = std::make_unique<PlannerGrid>(*m_platform);
    QVERIFY(QTest::qWaitForWindowActive(m_g->window.get()));
    m_g->addDefaultRow();
    m_g->addDefaultRow();
}

void TestGridPointer::cleanup() {
    m_g.reset();
    m_platform.reset();
}

QPoint TestGridPointer::cellCentre(int row, int cell) const {
    const TPlanGrid* grid = m_g->grid;
    return grid->viewport()->mapToGlobal(grid->visualRect(m_g->index(row, cell)).center());
}

TPickCellEditor* TestGridPointer::openPickEditor(int cell) {
    auto* pick = qobject_cast<TPickCellEditor*>(m_g->openEditor(0, cell));
    return pick;
}

QToolButton* TestGridPointer::arrowOf(TPickCellEditor* pick) const {
    return pick->findChild<QToolButton*>();
}

void TestGridPointer::clickElsewhereClosesTheListWithoutPicking() {
    auto* other = new QPushButton("Other", m_g->window.get());
    other->setGeometry(10, 395, 100, 20);
    other->show();
    const struct {
        const char* what;
        std::function<QPoint()> where;
    } places[] = {
        {"another cell", [&] { return cellCentre(1, 4); }},
        {"the same cell's text", [&] { return cellCentre(0, 1) - QPoint(20, 0); }},
        {"a button", [&] { return other->mapToGlobal(other->rect().center()); }},
        {"an empty part of the grid",
         [&] {
             return m_g->grid->viewport()->mapToGlobal(
                 QPoint(20, m_g->grid->viewport()->height() - 10));
         }},
    };
    // Rounds enough for a click that now and then closes the editor too.
    for (int round = 0; round < 5; ++round) {
        for (const auto& place : places) {
            QPointer<TPickCellEditor> pick = openPickEditor(1);
            QVERIFY2(pick, place.what);
            QTest::keyClick(pick, Qt::Key_F4);
            QVERIFY(QTest::qWaitForWindowExposed(pick->list()->window()));
            QVERIFY2(clickAt(place.where()), place.what);
            QTRY_VERIFY2(!pick || !pick->isListOpen(), place.what);
            // The click only closed the list: the editor is still open, as the
            // user left it, and nothing was picked or committed.
            QVERIFY2(pick, qPrintable(QStringLiteral("the click on %1 closed the editor")
                                          .arg(QLatin1String(place.what))));
            QCOMPARE(m_g->grid->editorWidget(), pick.data());
            QVERIFY2(m_g->changes.isEmpty(), place.what);
            QCOMPARE(m_g->grid->GetCellText(m_g->grid->RowAt(0), 1),
                     QStringLiteral("MJPG-Medium (20)"));
            // The window answers the next click at once.
            QVERIFY(clickAt(cellCentre(1, 4)));
            QTRY_COMPARE(m_g->grid->currentIndex(), m_g->index(1, 4));
            QVERIFY2(m_g->grid->editorWidget(), place.what);
        }
    }
}

void TestGridPointer::arrowOpensAndClosesTheList() {
    // Guarded: an editor closed by one of the clicks is a failure to report,
    // not a pointer to read after it was freed.
    QPointer<TPickCellEditor> pick = openPickEditor(0);
    QVERIFY(pick);
    QToolButton* arrow = arrowOf(pick);
    QVERIFY(arrow);
    const QPoint at = arrow->mapToGlobal(arrow->rect().center());
    QVERIFY(clickAt(at));
    QTRY_VERIFY2(!pick || pick->isListOpen(), "first click");
    QVERIFY2(pick, "the first click closed the editor");
    QVERIFY(QTest::qWaitForWindowExposed(pick->list()->window()));
    QVERIFY(clickAt(at));
    QVERIFY2(pick, "the second click closed the editor");
    QVERIFY(!pick->isListOpen()); // closed by the press, not opened again by the release
    QVERIFY(clickAt(at));
    QTRY_VERIFY2(!pick || pick->isListOpen(), "third click");
    QVERIFY2(pick, "the third click closed the editor");
    QVERIFY(m_g->changes.isEmpty());
    QCOMPARE(m_g->grid->editorWidget(), pick.data());
}

void TestGridPointer::keysOpenAndCloseTheList() {
    // Alt+Down, Alt+Up and F4 toggle the list, as in any combo box, and
    // leave the editor and the row where they are.
    QPointer<TPickCellEditor> pick = openPickEditor(0);
    QVERIFY(pick);
    for (const char* keys : {"alt+Down", "alt+Up", "F4", "F4", "alt+Up", "alt+Down"}) {
        const bool wasOpen = pick->isListOpen();
        QVERIFY(test::pressKey(QString::fromLatin1(keys)));
        QTRY_VERIFY2(!pick || pick->isListOpen() != wasOpen, keys);
        QVERIFY2(pick, keys);
        QCOMPARE(m_g->grid->editorWidget(), pick.data());
        QCOMPARE(m_g->grid->currentIndex(), m_g->index(0, 0));
    }
    QVERIFY(m_g->changes.isEmpty());
}

void TestGridPointer::pageKeysInTheOpenListMoveByItsVisibleRows() {
    // The keys reach the popup, which has the keyboard while it is open.
    m_g->resolution->DropDownRows = 3; // of eight items
    TPickCellEditor* pick = openPickEditor(0);
    QVERIFY(pick);
    QVERIFY(test::pressKey(QStringLiteral("F4")));
    QTRY_VERIFY(pick->isListOpen());
    QListWidget* list = pick->list();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QCOMPARE(list->currentRow(), 1); // the cell's own item
    const struct {
        const char* key;
        Qt::Key code;
        int row;
    } steps[] = {{"Next", Qt::Key_PageDown, 4}, {"Next", Qt::Key_PageDown, 7},
                 {"Next", Qt::Key_PageDown, 7}, {"Prior", Qt::Key_PageUp, 4},
                 {"Prior", Qt::Key_PageUp, 1},  {"Prior", Qt::Key_PageUp, 0}};
    for (const auto& step : steps) {
        test::KeyReleases released(step.code);
        QVERIFY(test::pressKey(QString::fromLatin1(step.key)));
        QTRY_VERIFY(released.count > 0);
        QCOMPARE(list->currentRow(), step.row);
    }
    QVERIFY(pick->isListOpen());
    QVERIFY(m_g->changes.isEmpty()); // the highlight moved, not the text
}

void TestGridPointer::listsAndTheMenuUseTheWindowFont() {
    QFont narrow(QStringLiteral("Liberation Sans Narrow"));
    narrow.setPixelSize(11);
    m_g->window->setFont(narrow);
    const auto isWindowFont = [&](const QFont& f) {
        return f.family() == narrow.family() && f.pixelSize() == 11;
    };
    TPickCellEditor* pick = openPickEditor(1);
    QVERIFY(pick);
    QTest::keyClick(pick, Qt::Key_F4);
    QListWidget* list = pick->list();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QVERIFY2(isWindowFont(list->font()), qPrintable(list->font().toString()));
    // Items keep the style's padding off the frame and off each other.
    const QRect first = list->visualItemRect(list->item(0));
    QVERIFY2(first.height() >= QFontMetrics(list->font()).height() + 2,
             qPrintable(QString::number(first.height())));
    QTest::keyClick(pick, Qt::Key_Escape);
    QTest::keyClick(pick, Qt::Key_Escape);
    QTRY_VERIFY(!m_g->grid->editorWidget());

    // Shift+F10 opens the grid's menu, as the Menu key does. The menu runs
    // its own event loop, so it is looked at and closed from inside it.
    std::optional<QFont> menuFont;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuFont = menu->font();
            menu->close();
        }
    });
    poll.start(20);
    m_g->grid->setFocus();
    QVERIFY(test::pressKey(QStringLiteral("shift+F10")));
    QTRY_VERIFY(menuFont);
    QVERIFY2(isWindowFont(*menuFont), qPrintable(menuFont->toString()));
}

void TestGridPointer::hoverTintsTheCellAndTheHeaderSection() {
    TPlanGrid* grid = m_g->grid;
    QHeaderView* header = grid->horizontalHeader();
    const QPoint away = m_g->window->mapToGlobal(QPoint(5, m_g->window->height() - 5));
    const QRect cell = grid->visualRect(m_g->index(1, 4)); // not in the marked row
    const QPoint section(header->sectionViewportPosition(4) + 1, 2);
    const auto cellColour = [&] {
        return grid->viewport()->grab().toImage().pixelColor(cell.topLeft() + QPoint(1, 1));
    };
    const auto sectionColour = [&] {
        return header->viewport()->grab().toImage().pixelColor(section);
    };
    QVERIFY(pointerTo(away));
    const QColor cellBefore = cellColour(), sectionBefore = sectionColour();

    QVERIFY(pointerTo(grid->viewport()->mapToGlobal(cell.center())));
    QTRY_VERIFY(cellColour() != cellBefore);
    QVERIFY(cellColour().lightness() > 200); // a subtle tint, no strong colour
    QCOMPARE(sectionColour(), sectionBefore);

    QVERIFY(pointerTo(header->viewport()->mapToGlobal(
        QPoint(section.x() + header->sectionSize(4) / 2, header->height() / 2))));
    QTRY_VERIFY(sectionColour() != sectionBefore);
    QTRY_COMPARE(cellColour(), cellBefore);

    QVERIFY(pointerTo(away));
    QTRY_COMPARE(sectionColour(), sectionBefore);
}

QTEST_MAIN(TestGridPointer)
#include "tst_gridpointer.moc"
