// Opening a plan by dropping a file on the window: one .ip file loads as the
// Load button loads it; every other drop is refused and changes nothing.
#include "app/calc.h"
#include "grid/plangrid.h"
#include "lens/lenspage.h"
#include "planner/plannerpage.h"
#include "platform/ui/tabsheet.h"
#include "tests/app/appmain.h"
#include "tests/app/calcfixture.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <functional>

using namespace vantrel;

namespace {

// Every row's eight texts, then the three totals.
QStringList plan(const TCalc& calc) {
    QStringList texts;
    const auto& grid = *calc.findChild<TPlanGrid*>("planGrid");
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int i = 0; i < 8; ++i)
            texts << grid.GetCellText(grid.RowAt(r), i);
    for (const char* total : {"edFPS", "edBandwidth", "edSpace"})
        texts << calc.findChild<QLineEdit*>(total)->text();
    return texts;
}

QMimeData* files(const QStringList& paths) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

// A file dragged from another program: its name is read from the source on
// every question; the source may answer late, or no more by the drop.
class SourceData : public QMimeData {
public:
    explicit SourceData(const QString& path) : m_url(QUrl::fromLocalFile(path)) {}
    QStringList formats() const override { return {QStringLiteral("text/uri-list")}; }
    int unanswered = 0; // the first questions that get no answer
    bool answering = true;

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override {
        const bool answers = ++m_asked > unanswered && answering;
        return answers && format == u"text/uri-list" ? QVariant(m_url) : QVariant();
    }

private:
    QUrl m_url;
    mutable int m_asked = 0;
};

// One step of a drag over a widget of the window, as the window system
// delivers it; true when the window took it (a drop as a copy).
template <class DragEvent> bool send(QWidget* over, const QMimeData& mime, int step = 0) {
    const QPoint at = over->mapTo(over->window(), over->rect().center()) + QPoint(step, step);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    DragEvent event(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(over->window()->windowHandle(), &event);
    return event.isAccepted() &&
           (event.type() != QEvent::Drop || event.dropAction() == Qt::CopyAction);
}

// Drags the data over a widget of the window, moving it `moves` times, and
// drops it there, as a file manager does; true when the window took the
// enter, every move and the drop.
bool dragAndDrop(QWidget* over, const QMimeData& mime, int moves = 1,
                 const std::function<void()>& beforeDrop = {}) {
    bool taken = send<QDragEnterEvent>(over, mime);
    for (int i = 1; i <= moves; ++i)
        taken = send<QDragMoveEvent>(over, mime, i) && taken;
    if (beforeDrop)
        beforeDrop();
    return send<QDropEvent>(over, mime, moves) && taken;
}

} // namespace

class TestPlanDrop : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        m.start();
        // A plan of two rows in plan.ip, with the window back at one row.
        click("btnAdd");
        grid().SetCellValue(grid().RowAt(1), 3, 25);
        answerDialogs(path("plan.ip"));
        click("btnSave");
        click("btnRemove");
    }
    void cleanup() { m.stop(); }

    void onePlanFileLoadsAsLoadDoes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("overEditor"); // over a cell editor, made after the window
        QTest::newRow("plan.ip") << "plan.ip" << false;
        QTest::newRow("capital suffix") << "PLAN.IP" << false;
        QTest::newRow("over a cell editor") << "plan.ip" << true;
    }
    void onePlanFileLoadsAsLoadDoes() {
        QFETCH(QString, name);
        QFETCH(bool, overEditor);
        QVERIFY(name == "plan.ip" || QFile::copy(path("plan.ip"), path(name)));
        int before = m.page().recalcCount();
        click("btnLoad");
        const QStringList loaded = plan(*m.calc);
        QCOMPARE(m.page().recalcCount(), before + 1);
        click("btnRemove");
        click("btnAdd");

        TPlanGrid& grid = this->grid();
        if (overEditor) {
            grid.edit(grid.model()->index(0, 3));
            QVERIFY(grid.editorWidget());
        }
        before = m.page().recalcCount();
        std::unique_ptr<QMimeData> mime(files({path(name)}));
        QVERIFY(dragAndDrop(overEditor ? grid.editorWidget() : &grid, *mime));
        QTRY_COMPARE(plan(*m.calc), loaded);
        QCOMPARE(grid.FocusedRow(), grid.RowAt(0));
        QCOMPARE(m.page().recalcCount(), before + 1);
    }

    // A source answers late (a busy desktop, a screen reader on the bus): a
    // question it leaves unanswered keeps what the drag said before, so the
    // plan accepted while hovering is the one the drop loads; and a drag whose
    // end never reached the window (its source died) leaves nothing behind
    // for the next one, which may come without an enter.
    void theDropLoadsThePlanAcceptedWhileHovering_data() {
        QTest::addColumn<int>("unanswered"); // the source's first questions left unanswered
        QTest::addColumn<bool>("lostDragBefore");
        QTest::newRow("silent at the drop") << 0 << false;
        QTest::newRow("late at the enter") << 1 << false;
        QTest::newRow("after a drag whose end was lost") << 0 << true;
    }
    void theDropLoadsThePlanAcceptedWhileHovering() {
        QFETCH(int, unanswered);
        QFETCH(bool, lostDragBefore);
        click("btnAdd");
        click("btnAdd");
        answerDialogs(path("three.ip"));
        click("btnSave");
        click("btnRemove");
        click("btnRemove");

        SourceData other(path("three.ip")), mime(path("plan.ip"));
        mime.unanswered = unanswered;
        if (lostDragBefore) {
            QVERIFY(send<QDragEnterEvent>(&grid(), other) && send<QDragMoveEvent>(&grid(), other));
            QVERIFY(send<QDragMoveEvent>(&grid(), mime, 2)); // the next drag, without an enter
            mime.answering = false;
            QVERIFY(send<QDropEvent>(&grid(), mime, 2));
        } else {
            dragAndDrop(&grid(), mime, 5, [&mime] { mime.answering = false; });
        }
        QTRY_COMPARE(grid().RowCount(), 2);
    }

    void otherDropsAreRefusedAndChangeNothing_data() {
        QTest::addColumn<QStringList>("paths"); // local files; empty for text
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("overField"); // over a field that takes text
        QTest::newRow("two plan files") << QStringList{"plan.ip", "copy.ip"} << "" << false;
        QTest::newRow("a folder") << QStringList{"plans.ip"} << "" << false;
        QTest::newRow("another kind of file") << QStringList{"plan.txt"} << "" << false;
        QTest::newRow("text") << QStringList() << "" << false;
        QTest::newRow("text over a field") << QStringList() << "" << true;
        QTest::newRow("web address") << QStringList() << "https://plans.invalid/plan.ip" << false;
    }
    void otherDropsAreRefusedAndChangeNothing() {
        QFETCH(QStringList, paths);
        QFETCH(QString, url);
        QFETCH(bool, overField);
        QVERIFY(QFile::copy(path("plan.ip"), path("copy.ip")));
        QVERIFY(QFile::copy(path("plan.ip"), path("plan.txt")));
        QVERIFY(QDir(dir->path()).mkdir("plans.ip"));
        std::unique_ptr<QMimeData> mime(new QMimeData);
        if (!paths.isEmpty()) {
            for (QString& name : paths)
                name = path(name);
            mime.reset(files(paths));
        } else if (!url.isEmpty()) {
            mime->setUrls({QUrl(url)});
        } else {
            mime->setText(path("plan.ip"));
        }
        QLineEdit* field = m.calc->findChild<QComboBox*>("cbWidth")->lineEdit();
        if (overField)
            m.control<QTabWidget>("PageControl1")->setCurrentWidget(m.control("tsFocus"));
        const QString fieldText = field->text();
        const QStringList before = plan(*m.calc);
        const int count = m.page().recalcCount();

        QVERIFY(!dragAndDrop(overField ? static_cast<QWidget*>(field) : &grid(), *mime));
        QCoreApplication::processEvents(); // where a load, if any, would run
        QCOMPARE(plan(*m.calc), before);
        QCOMPARE(m.page().recalcCount(), count);
        QCOMPARE(field->text(), fieldText);
    }

    void failedReadShowsLoadsMessageAndKeepsTheRows() {
        const QString empty = path("empty.ip");
        QFile file(empty);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList before = plan(*m.calc);
        const int count = m.page().recalcCount();
        m.watchdog->expectBox();
        std::unique_ptr<QMimeData> mime(files({empty}));
        QVERIFY(dragAndDrop(&grid(), *mime));
        QTRY_VERIFY(!m.watchdog->lastBoxText().isEmpty());
        const QString dropMessage = m.watchdog->lastBoxText();
        QCOMPARE(plan(*m.calc), before);
        QCOMPARE(m.page().recalcCount(), count);

        answerDialogs(empty);
        m.watchdog->expectBox();
        click("btnLoad");
        QCOMPARE(dropMessage, m.watchdog->lastBoxText());
        QCOMPARE(dropMessage, QString("Stream read error."));
    }

private:
    void answerDialogs(const QString& fileName) {
        m.answer = [fileName](TFileDialog::Kind, const QString&) {
            return std::optional<QString>(fileName);
        };
    }
    void click(const char* button) { m.control<QPushButton>(button)->click(); }
    TPlanGrid& grid() const { return *m.control<TPlanGrid>("planGrid"); }

    QString path(const QString& name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    test::CalcFixture m;
};

VANTREL_APP_TEST_MAIN(TestPlanDrop)
#include "tst_plandrop.moc"
