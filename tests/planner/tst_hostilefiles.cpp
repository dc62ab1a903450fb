// Hostile configuration files through the planner page's real Load button: a
// broken file ends in the error box with the rows as they were, a strange but
// complete one loads, and either way the page still answers afterwards.
#include "tests/grid/fileconditions.h"
#include "tests/grid/streambytes.h"
#include "tests/planner/pagefixture.h"
#include "tests/support/defaultrow.h"
#include "tests/support/localenumber.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysinfo.h>

using namespace vantrel;
using vantrel::test::localeNumber;
using vantrel::test::StreamBytes;

namespace {

// Everything a failed load must leave as it was.
struct PageState {
    explicit PageState(const test::PageFixture& m) : counter(m.page->recalcCount()) {
        const TPlanGrid& grid = m.grid();
        for (int r = 0; r < grid.RowCount(); ++r) {
            rows.push_back(grid.RowAt(r));
            for (qsizetype c = 0; c < grid.RowAt(r)->textCount(); ++c)
                texts << grid.RowAt(r)->text(c);
        }
        focused = grid.FocusedRow();
        totals = m.totals();
    }
    bool operator==(const PageState&) const = default;

    std::vector<const TGridRow*> rows;
    QList<QByteArray> texts;
    const TGridRow* focused = nullptr;
    QStringList totals;
    int counter = 0;
};

QByteArray defaultRowStream(int rows) {
    StreamBytes s;
    s.int32(-1).int32(rows);
    for (int r = 0; r < rows; ++r) {
        s.header(0, 8);
        for (const QString& t : test::defaultRowInLocale())
            s.text(t.toUtf8());
    }
    return s;
}

// One row whose texts are the given ones.
QByteArray oneRowStream(const QList<QByteArray>& texts) {
    StreamBytes s;
    s.int32(-1).int32(1).header(0, qint32(texts.size()));
    for (const QByteArray& t : texts)
        s.text(t);
    return s;
}

QByteArray everyByte() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(255 - i);
    return bytes;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void brokenFilesShowTheReadErrorAndKeepTheRows_data();
    void brokenFilesShowTheReadErrorAndKeepTheRows();
    void refusedFilesSayWhyAndKeepTheRows_data();
    void refusedFilesSayWhyAndKeepTheRows();
    void strangeButCompleteFilesLoad_data();
    void strangeButCompleteFilesLoad();

private:
    QString writeFile(const QByteArray& bytes);
    // Answers the open dialog with the path and clicks Load as a user does.
    void clickLoad(const QString& path);
    // Two rows, the second changed and focused, so a load has something to keep.
    void prepareRows();
    // A click on Add and a good load still work as they should.
    void checkThePageStillAnswers();

    test::PageFixture m;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHostileFiles::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m.start();
}

void TestHostileFiles::cleanup() {
    m.stop();
    m_dir.reset();
}

QString TestHostileFiles::writeFile(const QByteArray& bytes) {
    const QString path = m_dir->filePath(QStringLiteral("hostile.ip"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

void TestHostileFiles::clickLoad(const QString& path) {
    m.answer = [path](TFileDialog::Kind, const QString&) { return std::optional<QString>(path); };
    QTest::mouseClick(m.control<QPushButton>("btnLoad"), Qt::LeftButton);
}

void TestHostileFiles::prepareRows() {
    QTest::mouseClick(m.control<QPushButton>("btnAdd"), Qt::LeftButton);
    QCOMPARE(m.grid().RowCount(), 2);
    m.typeInto(1, 5, "4");
    QCOMPARE(m.grid().FocusedRow(), m.grid().RowAt(1));
    QCOMPARE(m.totals()[1], localeNumber("18.4"));
}

void TestHostileFiles::checkThePageStillAnswers() {
    TPlanGrid& grid = m.grid();
    const int rows = grid.RowCount();
    const int counter = m.page->recalcCount();
    QTest::mouseClick(m.control<QPushButton>("btnAdd"), Qt::LeftButton);
    QCOMPARE(grid.RowCount(), rows + 1);
    QCOMPARE(m.page->recalcCount(), counter + 1);
    QVERIFY(!m.page->grab().isNull());

    clickLoad(writeFile(defaultRowStream(2)));
    QCOMPARE(grid.RowCount(), 2);
    QCOMPARE(grid.GetCellText(grid.RowAt(1), 1), QStringLiteral("MJPG-Medium (20)"));
    QCOMPARE(grid.FocusedRow(), grid.RowAt(0));
    QCOMPARE(m.totals(), (QStringList{"20", localeNumber("7.36"), localeNumber("75.8056640625")}));
}

// Which bytes the reader refuses is tst_rowstream's and tst_gridfiles' affair;
// here the page's answer to an empty file, a cut one, and those whose reading
// could run out of memory or stack.
void TestHostileFiles::brokenFilesShowTheReadErrorAndKeepTheRows_data() {
    QTest::addColumn<QByteArray>("content");
    const QByteArray whole = defaultRowStream(1);
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("last byte missing") << whole.left(whole.size() - 1);
    QTest::newRow("two billion rows")
        << StreamBytes().int32(-1).int32(0x7fffffff).header(0, 0).bytes();
    StreamBytes deep;
    deep.int32(-1).int32(1);
    for (int i = 0; i < 50000; ++i)
        deep.header(1, 1).text("n"); // the innermost sub-row never comes
    QTest::newRow("deep nesting cut short") << deep.bytes();
    QTest::newRow("a megabyte of a text that never ends") << StreamBytes()
                                                                 .int32(-1)
                                                                 .int32(1)
                                                                 .header(0, 1)
                                                                 .int32(8 << 20)
                                                                 .raw(QByteArray(1 << 20, 'z'))
                                                                 .bytes();
}

void TestHostileFiles::brokenFilesShowTheReadErrorAndKeepTheRows() {
    QFETCH(QByteArray, content);
    prepareRows();
    const PageState before(m);
    m.watchdog->expectBox();
    clickLoad(writeFile(content));
    QCOMPARE(m.watchdog->lastBoxText(), QStringLiteral("Stream read error."));
    QVERIFY(PageState(m) == before);
    QVERIFY(!m.grid().isUpdating());
    checkThePageStillAnswers();
}

void TestHostileFiles::refusedFilesSayWhyAndKeepTheRows_data() {
    // A pipe with no writer once froze the window for good inside open();
    // a file too large for memory said only "std::bad_alloc.".
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << qt_error_string(ENOENT) + u'.';
    QTest::newRow("named pipe without a writer") << "pipe"
                                                 << "Is a named pipe, not a file.";
    QTest::newRow("folder") << "folder" << qt_error_string(EISDIR) + u'.'; // the system's words
    QTest::newRow("larger than the computer's memory")
        << "huge"
        << "Too large for the memory of this computer.";
    QTest::newRow("larger than the memory left") << "memory short"
                                                 << "Not enough memory to load it.";
}

void TestHostileFiles::refusedFilesSayWhyAndKeepTheRows() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    prepareRows();
    const PageState before(m);
    const QString path = m_dir->filePath(QStringLiteral("plans.ip"));
    const QByteArray name = QFile::encodeName(path);
    std::optional<test::AddressSpaceLimit> memoryLeft;
    if (kind == "missing") {
        // nothing at the path
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(name, 0600), 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else {
        // Sparse: it takes no room on the disk, only in a copy in memory.
        struct sysinfo info {};
        QCOMPARE(::sysinfo(&info), 0);
        const qint64 memory = qint64(info.mem_unit) * qint64(info.totalram + info.totalswap);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            !file.resize(kind == "huge" ? 2 * memory + (qint64(1) << 30) : qint64(1) << 30))
            QSKIP("this file system holds no file that large");
        if (kind == "memory short" && !memoryLeft.emplace(qint64(256) << 20).limited())
            QSKIP("the sanitizers need the address space they reserved");
    }
    m.watchdog->expectBox();
    clickLoad(path);
    memoryLeft.reset();
    QCOMPARE(m.watchdog->lastBoxText(),
             QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    QVERIFY(PageState(m) == before);
    if (kind == "huge" || kind == "memory short")
        QFile::remove(path);
    checkThePageStillAnswers();
}

void TestHostileFiles::strangeButCompleteFilesLoad_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("firstText"); // cell 0 of the first row, byte for byte
    QTest::newRow("a megabyte of FF") << QByteArray(1 << 20, '\xff') << 0 << QByteArray();
    QTest::newRow("a row without texts")
        << StreamBytes().int32(-1).int32(1).header(0, 0).bytes() << 1 << QByteArray();
    QTest::newRow("every byte value in every cell")
        << oneRowStream(QList<QByteArray>(8, everyByte())) << 1 << everyByte();
    const QByteArray nul("640x480\0(VGA)", 13);
    QTest::newRow("NUL bytes and broken UTF-8")
        << oneRowStream({nul, "\xc3\x28\xa0\xa1",
                         "4\0"
                         "6",
                         "\xff\xfe", "-0", "$", "1e400", "NAN"})
        << 1 << nul;
    QTest::newRow("five thousand texts")
        << oneRowStream(QList<QByteArray>(5000, "77")) << 1 << QByteArray("77");
    const QByteArray wide(4 << 20, 'W');
    QTest::newRow("a four-megabyte cell")
        << oneRowStream({wide, "MJPG-Low (10)", "46", "10", "1", "1"}) << 1 << wide;
    QTest::newRow("huge numbers") << oneRowStream({"640x480 (VGA)", "MJPG-High (30)", "2147483647",
                                                   "2147483647", "2147483647", "2147483647"})
                                  << 1 << QByteArray("640x480 (VGA)");
    QTest::newRow("twenty thousand rows")
        << defaultRowStream(20000) << 20000 << QByteArray("640x480 (VGA)");
    StreamBytes deep;
    deep.int32(-1).int32(1);
    for (int i = 0; i < 100000; ++i)
        deep.header(i + 1 < 100000 ? 1 : 0, 1).text("n");
    QTest::newRow("sub-rows nested a hundred thousand deep")
        << deep.bytes() << 1 << QByteArray("n");
}

void TestHostileFiles::strangeButCompleteFilesLoad() {
    QFETCH(QByteArray, content);
    QFETCH(int, rows);
    QFETCH(QByteArray, firstText);
    prepareRows();
    const PageState before(m);
    clickLoad(writeFile(content));
    TPlanGrid& grid = m.grid();
    QCOMPARE(grid.RowCount(), rows);
    QCOMPARE(grid.FocusedRow(), rows > 0 ? grid.RowAt(0) : nullptr);
    QCOMPARE(m.page->recalcCount(), before.counter + 1);
    if (rows > 0)
        QVERIFY(grid.RowAt(0)->text(0) == firstText);
    else // nothing to recalculate: the totals stay as they were
        QCOMPARE(m.totals(), before.totals);
    QVERIFY(!m.page->grab().isNull()); // and the page paints what it holds
    checkThePageStillAnswers();
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
