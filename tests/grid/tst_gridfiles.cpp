// The grid's rows on files: the saved bytes, loading them back, and the rows
// and files that survive every failure.
#include "core/error.h"
#include "grid/plangrid.h"
#include "tests/grid/plannergrid.h"
#include "tests/grid/streambytes.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/modalwatchdog.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace vantrel;
using vantrel::test::PlannerGrid;
using vantrel::test::StreamBytes;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

QStringList rowTexts(const TPlanGrid& grid) {
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.RowAt(r)->textCount(); ++c)
            texts
                << QStringLiteral("%1:%2=%3").arg(r).arg(c).arg(grid.GetCellText(grid.RowAt(r), c));
    return texts;
}

// Keeps files from growing beyond a size while it lives, so writes beyond it fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

} // namespace

class TestGridFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savesTheDefaultRowAsTheWorkedExample();
    void savesAnEmptyGridAsEightBytes();
    void saveLoadSaveGivesTheSameBytes();
    void loadFocusesTheFirstRowInOneUpdateBracket();
    void loadsTheOlderLayoutAndRemembersIt();
    void loadKeepsTextsInAForeignNotation();
    void loadKeepsExtraTextsAndShowsMissingOnesEmpty();
    void zeroByteFileFailsAndKeepsTheRows();
    void everyHostileFileFailsAndKeepsTheRows();
    void deeplyNestedFileLoads();
    void missingFileCannotBeOpened();
    void endlessDeviceIsCutOff();
    void fileThatCannotBeCreated();
    void failedSaveKeepsThePreviousFile();
    void savingReplacesAnExistingFile();
    void loadWhileEditingClosesTheEditorQuietly();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    std::unique_ptr<PlannerGrid> m_g;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestGridFiles::init() {
    m_platform = std::make_unique<test::FakePlatform>();
    m_watchdog = std::make_unique<test::ModalWatchdog>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_g = std::make_unique<PlannerGrid>();
}

void TestGridFiles::cleanup() {
    m_g.reset();
    m_dir.reset();
    QCOMPARE(m_watchdog->unexpectedBoxes(), 0);
    m_watchdog.reset();
    m_platform.reset();
}

void TestGridFiles::savesTheDefaultRowAsTheWorkedExample() {
    m_platform->separator = u'.'; // the worked example's
    m_g->addDefaultRow();
    m_g->grid->WriteRowsToFile(path("myconfig.ip"));
    const QByteArray bytes = fileBytes(path("myconfig.ip"));
    QCOMPARE(bytes.size(), 121);
    QCOMPARE(bytes.toHex(' '), test::workedExampleBytes().toHex(' '));
}

void TestGridFiles::savesAnEmptyGridAsEightBytes() {
    TPlanGrid& grid = *m_g->grid;
    grid.WriteRowsToFile(path("empty.ip"));
    QCOMPARE(fileBytes(path("empty.ip")).toHex(' '), QByteArray("ff ff ff ff 00 00 00 00"));
    m_g->addDefaultRow();
    grid.ReadRowsFromFile(path("empty.ip"));
    QCOMPARE(grid.RowCount(), 0);
    QCOMPARE(grid.FocusedRow(), nullptr);
}

void TestGridFiles::saveLoadSaveGivesTheSameBytes() {
    TPlanGrid& grid = *m_g->grid;
    QRandomGenerator random(39423);
    for (int r = 0; r < 12; ++r) {
        TGridRow* row = m_g->addDefaultRow();
        grid.SetCellValue(row, 4, r);
        QByteArray noise(random.bounded(40), Qt::Uninitialized);
        for (char& c : noise)
            c = char(random.bounded(256));
        row->setText(random.bounded(10), noise); // any bytes at all, not only UTF-8
        row->userData = r * 1000;
    }
    grid.WriteRowsToFile(path("a.ip"));
    const QStringList before = rowTexts(grid);
    grid.ClearRows();
    grid.ReadRowsFromFile(path("a.ip"));
    QCOMPARE(rowTexts(grid), before);
    QCOMPARE(grid.RowAt(11)->userData, 11000);
    grid.WriteRowsToFile(path("b.ip"));
    QVERIFY(fileBytes(path("a.ip")) == fileBytes(path("b.ip")));
    QCOMPARE(grid.lastReadLayout(), RowStreamLayout::Current);
}

void TestGridFiles::loadFocusesTheFirstRowInOneUpdateBracket() {
    TPlanGrid& grid = *m_g->grid;
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 3; ++i)
        m_g->addDefaultRow();
    grid.WriteRowsToFile(path("three.ip"));
    grid.ClearRows();
    TGridRow* old = m_g->addDefaultRow();
    m_g->addDefaultRow();
    grid.FocusRow(grid.RowAt(1));
    bool resetInsideBracket = false;
    connect(grid.model(), &QAbstractItemModel::modelReset, this,
            [&] { resetInsideBracket = grid.isUpdating(); });
    grid.ReadRowsFromFile(path("three.ip"));
    QVERIFY(resetInsideBracket);
    QVERIFY(!grid.isUpdating());
    QCOMPARE(grid.RowCount(), 3);
    QVERIFY(grid.RowAt(0) != old);
    QCOMPARE(grid.FocusedRow(), grid.RowAt(0));
    QCOMPARE(grid.rowAt(0), 0); // the top row
    QVERIFY(m_g->changes.isEmpty());
}

void TestGridFiles::loadsTheOlderLayoutAndRemembersIt() {
    TPlanGrid& grid = *m_g->grid;
    writeFile(path("old.ip"), StreamBytes()
                                  .int32(2)
                                  .header(0, 2)
                                  .shortText("640x480 (VGA)")
                                  .shortText("MJPG-Low (10)")
                                  .header(0, 1)
                                  .shortText("1280x720 (HD)"));
    grid.ReadRowsFromFile(path("old.ip"));
    QCOMPARE(grid.lastReadLayout(), RowStreamLayout::Older);
    QCOMPARE(grid.RowCount(), 2);
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 1), QStringLiteral("MJPG-Low (10)"));
    QCOMPARE(grid.GetCellText(grid.RowAt(1), 0), QStringLiteral("1280x720 (HD)"));
    // A failed read keeps the remembered layout; a good one replaces it.
    writeFile(path("bad.ip"), QByteArray("\xff\xff", 2));
    QVERIFY_THROWS_EXCEPTION(EError, grid.ReadRowsFromFile(path("bad.ip")));
    QCOMPARE(grid.lastReadLayout(), RowStreamLayout::Older);
    QByteArray minusTwo = test::workedExampleBytes();
    minusTwo[0] = char(0xFE);
    writeFile(path("m2.ip"), minusTwo);
    grid.ReadRowsFromFile(path("m2.ip"));
    QCOMPARE(grid.lastReadLayout(), RowStreamLayout::Current);
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 7), QStringLiteral("37.90283203125"));
}

void TestGridFiles::loadKeepsTextsInAForeignNotation() {
    TPlanGrid& grid = *m_g->grid;
    m_platform->separator = u',';
    TGridRow* row = m_g->addDefaultRow();
    QCOMPARE(grid.GetCellText(row, 6), QStringLiteral("3,68"));
    grid.WriteRowsToFile(path("comma.ip"));
    m_platform->separator = u'.';
    grid.ReadRowsFromFile(path("comma.ip"));
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 6), QStringLiteral("3,68"));
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 7), QStringLiteral("37,90283203125"));
}

void TestGridFiles::loadKeepsExtraTextsAndShowsMissingOnesEmpty() {
    TPlanGrid& grid = *m_g->grid;
    StreamBytes s;
    s.int32(-1).int32(2).header(0, 5);
    for (const char* t : {"640x480 (VGA)", "MJPG-Low (10)", "46", "10", "1"})
        s.text(t);
    s.header(0, 10);
    for (int i = 0; i < 10; ++i)
        s.text("t" + QByteArray::number(i));
    writeFile(path("mixed.ip"), s);
    grid.ReadRowsFromFile(path("mixed.ip"));
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 4), QStringLiteral("1"));
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 5), QString());
    QCOMPARE(grid.model()->index(0, 7).data().toString(), QString());
    QCOMPARE(grid.GetCellText(grid.RowAt(1), 9), QStringLiteral("t9"));
    grid.WriteRowsToFile(path("again.ip"));
    QCOMPARE(fileBytes(path("again.ip")), s.bytes());
}

void TestGridFiles::zeroByteFileFailsAndKeepsTheRows() {
    TPlanGrid& grid = *m_g->grid;
    writeFile(path("zero.ip"), QByteArray());
    TGridRow* kept = m_g->addDefaultRow();
    QCOMPARE(errorOf([&] { grid.ReadRowsFromFile(path("zero.ip")); }),
             QStringLiteral("Stream read error"));
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.RowAt(0), kept);
    QCOMPARE(grid.FocusedRow(), kept);
    QVERIFY(!grid.isUpdating());
}

void TestGridFiles::everyHostileFileFailsAndKeepsTheRows() {
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    m_g->addDefaultRow();
    grid.SetCellValue(grid.RowAt(1), 0, "kept");
    const QStringList before = rowTexts(grid);
    const QByteArray whole = test::workedExampleBytes();
    QList<QByteArray> hostile;
    for (int length = 0; length < whole.size(); ++length)
        hostile << whole.left(length);
    hostile << StreamBytes().int32(-1).int32(1).int32(20).header(0, 0).bytes()   // header below 24
            << StreamBytes().int32(-1).int32(1).int32(5000).header(0, 0).bytes() // header beyond
                                                                                 // the file
            << StreamBytes().int32(-1).int32(1).header(0, 1).int32(-5).raw("abcde").bytes()
            << StreamBytes().int32(-1).int32(0x7fffffff).header(0, 0).bytes()
            << StreamBytes().int32(-1).int32(1).header(0, 0x7fffffff).text("a").bytes()
            << StreamBytes().int32(-1).int32(1).header(0x7fffffff, 0).bytes()
            << StreamBytes().int32(-1).int32(1).header(0, 1).int32(0x7fffffff).raw("x").bytes()
            << StreamBytes().int32(7).header(0, 1).byte(250).raw("short").bytes();
    for (int i = 0; i < hostile.size(); ++i) {
        writeFile(path("hostile.ip"), hostile[i]);
        QCOMPARE(errorOf([&] { grid.ReadRowsFromFile(path("hostile.ip")); }),
                 QStringLiteral("Stream read error"));
        QCOMPARE(rowTexts(grid), before);
        QCOMPARE(grid.FocusedRow(), grid.RowAt(0));
        QVERIFY(!grid.isUpdating());
    }
}

void TestGridFiles::deeplyNestedFileLoads() {
    TPlanGrid& grid = *m_g->grid;
    StreamBytes s;
    s.int32(-1).int32(2);
    const int levels = 200000;
    for (int i = 0; i < levels; ++i)
        s.header(i + 1 < levels ? 1 : 0, 1).text("n");
    s.header(0, 1).text("second");
    writeFile(path("deep.ip"), s);
    grid.ReadRowsFromFile(path("deep.ip"));
    QCOMPARE(grid.RowCount(), 2);
    QCOMPARE(grid.GetCellText(grid.RowAt(1), 0), QStringLiteral("second"));
    grid.WriteRowsToFile(path("deep2.ip"));
    QCOMPARE(fileBytes(path("deep2.ip")), s.bytes());
    grid.ClearRows(); // releasing the chain must not recurse either
    QCOMPARE(grid.RowCount(), 0);
}

void TestGridFiles::endlessDeviceIsCutOff() {
    // A device that never ends (picked by mistake in the open dialog) is read
    // only up to a bound, then refused; the rows stay.
    TPlanGrid& grid = *m_g->grid;
    TGridRow* kept = m_g->addDefaultRow();
    QCOMPARE(errorOf([&] { grid.ReadRowsFromFile(QStringLiteral("/dev/zero")); }),
             QStringLiteral("Stream read error"));
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.RowAt(0), kept);
}

void TestGridFiles::missingFileCannotBeOpened() {
    TPlanGrid& grid = *m_g->grid;
    TGridRow* kept = m_g->addDefaultRow();
    const QString missing = path("no such file.ip");
    QCOMPARE(errorOf([&] { grid.ReadRowsFromFile(missing); }),
             QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    QCOMPARE(grid.RowAt(0), kept);
    QCOMPARE(grid.RowCount(), 1);
    // A relative name is reported with its full path.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const QString message = errorOf([&] { grid.ReadRowsFromFile("relative.ip"); });
    QDir::setCurrent(cwd);
    QCOMPARE(message, QStringLiteral("Cannot open file \"%1\". No such file or directory")
                          .arg(path("relative.ip")));
}

void TestGridFiles::fileThatCannotBeCreated() {
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const QString target = path("missing folder/config.ip");
    const QString message = errorOf([&] { grid.WriteRowsToFile(target); });
    QVERIFY2(message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(target)),
             qPrintable(message));
    QVERIFY2(message.size() > QStringLiteral("Cannot create file \"%1\". ").arg(target).size(),
             qPrintable(message)); // the system's description follows
    QVERIFY(!QFile::exists(target));
    QCOMPARE(grid.RowCount(), 1);
}

void TestGridFiles::failedSaveKeepsThePreviousFile() {
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const QString target = path("keep.ip");
    grid.WriteRowsToFile(target);
    const QByteArray previous = fileBytes(target);
    QCOMPARE(previous.size(), 121);
    // Rows far larger than the file size allowed: the disk "fills" mid-write.
    for (int i = 0; i < 50; ++i)
        grid.SetCellValue(grid.AddRow(), 0, QString(2000, u'w'));
    QString message;
    {
        FileSizeLimit limit(16 * 1024);
        message = errorOf([&] { grid.WriteRowsToFile(target); });
    }
    QCOMPARE(message, QStringLiteral("Stream write error"));
    QCOMPARE(fileBytes(target), previous);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"keep.ip"})); // no leftovers
    grid.WriteRowsToFile(target); // without the limit the save succeeds
    QCOMPARE(fileBytes(target).size(), 121 + 50 * (28 + 4 + 2000));
}

void TestGridFiles::savingReplacesAnExistingFile() {
    TPlanGrid& grid = *m_g->grid;
    writeFile(path("over.ip"), QByteArray(5000, 'z'));
    grid.WriteRowsToFile(path("over.ip"));
    QCOMPARE(fileBytes(path("over.ip")).size(), 8);
}

void TestGridFiles::loadWhileEditingClosesTheEditorQuietly() {
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    grid.WriteRowsToFile(path("one.ip"));
    QWidget* editor = m_g->openEditor(0, 3);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_5);
    QCOMPARE(m_g->changes.size(), 1);
    grid.ReadRowsFromFile(path("one.ip"));
    QCOMPARE(grid.editorWidget(), nullptr);
    QCOMPARE(m_g->changes.size(), 1);
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 3), QStringLiteral("10"));
}

QTEST_MAIN(TestGridFiles)
#include "tst_gridfiles.moc"
