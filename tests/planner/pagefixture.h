// A bare planner page as each test meets it: under a fake platform, with the
// catalogue's pick lists and the first row that start-up adds, shown, its
// open and save dialogs answered by the test and its message boxes watched.
#pragma once

#include "grid/plangrid.h"
#include "planner/plannerpage.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/modalwatchdog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace vantrel::test {

struct PageFixture {
    void start() {
        platform = std::make_unique<FakePlatform>();
        watchdog = std::make_unique<ModalWatchdog>();
        page = std::make_unique<TPlannerPage>(
            *platform, [this](TFileDialog::Kind kind, const QString& proposed) {
                return answer ? answer(kind, proposed) : std::optional<QString>();
            });
        page->fillPickLists();
        page->btnAddClick();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        QApplication::setActiveWindow(page.get());
        grid().setFocus();
    }
    // The boxes the page raised must all have been expected.
    void stop() {
        QCOMPARE(watchdog->unexpectedBoxes(), 0);
        page.reset();
        watchdog.reset();
        platform.reset();
        answer = nullptr;
    }

    // A control of the page by its object name.
    template <class W = QWidget> W* control(const char* name) const {
        W* found = page->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    TPlanGrid& grid() const { return *control<TPlanGrid>("planGrid"); }
    void click(const char* button) const { control<QPushButton>(button)->click(); }
    QString cell(int row, int index) const { return grid().GetCellText(grid().RowAt(row), index); }
    QStringList totals() const {
        return {control<QLineEdit>("edFPS")->text(), control<QLineEdit>("edBandwidth")->text(),
                control<QLineEdit>("edSpace")->text()};
    }

    QWidget* editor() const { return grid().editorWidget(); }
    void openEditor(int row, int index) const {
        grid().setCurrentIndex(grid().model()->index(row, index));
        QTest::keyClick(&grid(), Qt::Key_Return);
        QVERIFY(editor());
    }
    // Replaces a spin cell's text by typing, then leaves it with Enter.
    void typeInto(int row, int index, const QString& text) const {
        openEditor(row, index);
        QTest::keyClicks(editor(), text); // the opening text is selected
        QCOMPARE(grid().EditorText(), text);
        QTest::keyClick(editor(), Qt::Key_Return);
    }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<ModalWatchdog> watchdog;
    std::unique_ptr<TPlannerPage> page;
    // Answers the open and save dialogs; unset: Cancel.
    TFileDialog::Chooser answer;
};

} // namespace vantrel::test
