// The row data and the row stream without a window: the file format byte for
// byte, both layouts, and files that try to break the reader.
#include "core/error.h"
#include "grid/gridrow.h"
#include "grid/rowstream.h"
#include "tests/grid/streambytes.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <new>

using namespace vantrel;
using vantrel::test::StreamBytes;
using vantrel::test::workedExampleBytes;

// Every operator new of this test program passes here, so that a test can see the
// largest one a read asks for. While watched, a request beyond a gigabyte is
// refused rather than handed to the system, which might grant it.
namespace {
std::atomic<bool> g_watchingAllocations{false};
std::atomic<std::size_t> g_largestAllocation{0};
} // namespace

void* operator new(std::size_t size) {
    if (g_watchingAllocations.load(std::memory_order_relaxed)) {
        if (size > g_largestAllocation.load())
            g_largestAllocation = size;
        if (size > (std::size_t(1) << 30))
            throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

// A device that accepts a number of bytes, then fails every write.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 accepts) : m_left(accepts) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (size > m_left)
            return -1;
        m_left -= size;
        return size;
    }

private:
    qint64 m_left;
};

QByteArray write(const TGridRowList& rows) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeRowStream(buffer, rows);
    return bytes;
}

TGridRowList read(const QByteArray& bytes, RowStreamLayout* layout = nullptr) {
    return readRowStream(bytes, layout);
}

// True when reading fails with exactly the stream read error.
bool failsToRead(const QByteArray& bytes) {
    try {
        read(bytes);
    } catch (const EError& e) {
        return e.message() == QLatin1String("Stream read error");
    }
    return false;
}

std::unique_ptr<TGridRow> rowOf(std::initializer_list<const char*> texts) {
    auto row = std::make_unique<TGridRow>();
    qsizetype i = 0;
    for (const char* t : texts)
        row->setText(i++, t);
    return row;
}

QByteArray randomBytes(QRandomGenerator& random, int maxLength) {
    QByteArray bytes(random.bounded(maxLength + 1), Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

// A row of random texts and header values, now and then with sub-rows nested
// up to three levels below it.
std::unique_ptr<TGridRow> randomRow(QRandomGenerator& random, int depth) {
    auto row = std::make_unique<TGridRow>();
    const int texts = random.bounded(21);
    for (int t = 0; t < texts; ++t)
        row->setText(t, randomBytes(random, random.bounded(4) == 0 ? 600 : 20));
    for (qint32* value : {&row->imageIndex, &row->selectedIndex, &row->stateIndex, &row->userData})
        *value = qint32(random.generate());
    if (depth < 3 && random.bounded(5) == 0)
        for (int s = 1 + random.bounded(3); s > 0; --s)
            row->subRows().push_back(randomRow(random, depth + 1));
    return row;
}

// A chain of rows each nested in the one before, the given number of levels deep.
QByteArray deepChainBytes(int levels) {
    StreamBytes s;
    s.int32(-1).int32(1);
    for (int i = 0; i < levels; ++i)
        s.header(i + 1 < levels ? 1 : 0, 1).text("x");
    return s;
}

} // namespace

class TestRowStream : public QObject {
    Q_OBJECT
private slots:
    // The row's texts.
    void setTextStoresAnyBytesAndPads_data();
    void setTextStoresAnyBytesAndPads();
    void setTextsMayReuseTheRowsOwnTexts();
    void writesBesideAHugeTextCostOnlyTheirOwn();
    void deepSubRowChainIsReleasedWithoutRecursion();

    // Writing.
    void writesTheWorkedExampleByteForByte();
    void writesAnEmptyGridAsEightBytes();
    void writeFailureIsStreamWriteError_data();
    void writeFailureIsStreamWriteError();

    // Reading.
    void readsTheWorkedExample();
    void editsOfAReadRowKeepEveryText();
    void roundTripGivesIdenticalBytes();
    void readsTheOlderLayout();
    void anyNegativeMarkerIsTheCurrentLayout();
    void skipsHeaderBytesBeyondTwentyFour();
    void keepsRowsOfFiveAndTenTexts();
    void countsOfZeroOrBelowMeanNoEntries();
    void readsSubRowsAsNestedRows();
    void ignoresBytesAfterTheLastRow();

    // Hostile streams.
    void everyTruncationFails();
    void impossibleStreamsFail_data();
    void impossibleStreamsFail();
    void hugeRowCountAllocatesNothingBeforeFailing();
    void deeplyNestedChainReadsAndWrites();
    void randomMutationsNeverCrash();
};

// Large texts and indexes need wider numbers in the row's block.
void TestRowStream::setTextStoresAnyBytesAndPads_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("last planner cell") << 7 << QByteArray("37.9");
    QTest::newRow("NUL and high bytes") << 0 << QByteArray("\0\xff\x80 a\r\n", 7);
    QTest::newRow("text beyond 64 KiB") << 1 << QByteArray(70000, 'z');
    QTest::newRow("index beyond 255") << 300 << QByteArray("last");
}

void TestRowStream::setTextStoresAnyBytesAndPads() {
    QFETCH(int, index);
    QFETCH(QByteArray, text);
    TGridRow row;
    QCOMPARE(row.textCount(), 0);
    row.setText(index, text);
    QCOMPARE(row.textCount(), index + 1);
    for (int i = 0; i < index; ++i)
        QCOMPARE(row.text(i), QByteArray());
    QCOMPARE(row.text(index), text);
    QCOMPARE(row.text(index + 1), QByteArray());
    QCOMPARE(row.text(-1), QByteArray());
    row.setText(-1, "ignored");
    if (index > 0) { // a text before it leaves it whole
        row.setText(0, "46");
        QCOMPARE(row.text(0), QByteArray("46"));
        QCOMPARE(row.text(index), text);
    }
    row.setText(index, "");
    QCOMPARE(row.text(index), QByteArray());
    QCOMPARE(row.textCount(), index + 1);
}

void TestRowStream::setTextsMayReuseTheRowsOwnTexts() {
    auto row = rowOf({"a", "bb", "ccc"});
    std::vector<QByteArrayView> views{row->textView(2), row->textView(0)};
    row->setTexts(views);
    QCOMPARE(row->textCount(), 2);
    QCOMPARE(row->text(0), QByteArray("ccc"));
    QCOMPARE(row->text(1), QByteArray("a"));
    row->setTexts({});
    QCOMPARE(row->textCount(), 0);
}

void TestRowStream::writesBesideAHugeTextCostOnlyTheirOwn() {
    // Each keystroke writes FPS and the results of a row whose loaded frame
    // size may hold megabytes; those writes must not copy it.
    TGridRow row;
    QByteArrayList texts{"?", "?", QByteArray(64 << 20, '7'), "10", "1", "1", "3.68", "37.9"};
    for (int i = 0; i < texts.size(); ++i)
        row.setText(i, texts[i]);
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < 40; ++k) { // texts that grow and shrink
        row.setText(3, texts[3] = QByteArray::number(k % 12 * 9));
        row.setText(6, texts[6] = QByteArray::number(k * 0.37));
        row.setText(7, texts[7] = QByteArray(k % 7, '5'));
    }
    const qint64 ms = clock.elapsed();
    // Copying the huge text per write takes a minute; a loaded machine, seconds.
    QVERIFY2(ms < 5000, qPrintable(QString("%1 ms").arg(ms)));
    row.setText(0, texts[0] = "640x480 (VGA)"); // moves the huge text along
    row.setText(2, texts[2] = "46");
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(row.text(i), texts[i]);
    QCOMPARE(row.textCount(), 8);
}

void TestRowStream::deepSubRowChainIsReleasedWithoutRecursion() {
    auto top = std::make_unique<TGridRow>();
    TGridRow* at = top.get();
    for (int i = 0; i < 300000; ++i) {
        at->subRows().push_back(std::make_unique<TGridRow>());
        at = at->subRows().back().get();
    }
    top.reset(); // would overflow the stack if released recursively
    QVERIFY(!top);
}

void TestRowStream::writesTheWorkedExampleByteForByte() {
    TGridRowList rows;
    rows.push_back(rowOf(
        {"640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1", "1", "3.68", "37.90283203125"}));
    const QByteArray bytes = write(rows);
    QCOMPARE(bytes.size(), 121);
    QCOMPARE(bytes.toHex(' '), workedExampleBytes().toHex(' '));
    QCOMPARE(bytes.left(36).toHex(' '),
             QByteArray("ff ff ff ff 01 00 00 00 18 00 00 00 00 00 00 00 ff ff ff ff ff ff ff ff "
                        "00 00 00 00 00 00 00 00 08 00 00 00"));
    QCOMPARE(bytes.mid(73, 6).toHex(' '), QByteArray("02 00 00 00 34 36"));
    QCOMPARE(bytes.mid(95, 8).toHex(' '), QByteArray("04 00 00 00 33 2e 36 38"));
}

void TestRowStream::writesAnEmptyGridAsEightBytes() {
    QCOMPARE(write({}).toHex(' '), QByteArray("ff ff ff ff 00 00 00 00"));
}

void TestRowStream::writeFailureIsStreamWriteError_data() {
    QTest::addColumn<qint64>("accepts"); // below zero: a device that is not open
    QTest::newRow("closed device") << qint64(-1);
    QTest::newRow("nothing accepted") << qint64(0);
    QTest::newRow("fails in the first chunk") << qint64(100);
    QTest::newRow("fails after a chunk") << qint64(70000);
}

void TestRowStream::writeFailureIsStreamWriteError() {
    QFETCH(qint64, accepts);
    TGridRowList rows;
    for (int i = 0; i < 3000; ++i)
        rows.push_back(rowOf({"640x480 (VGA)", "MJPG-Medium (20)", "46", "10"}));
    QBuffer closed;
    FailingDevice failing(std::max(accepts, qint64(0)));
    QIODevice& device = accepts < 0 ? static_cast<QIODevice&>(closed) : failing;
    if (accepts < 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*device not open.*"));
    try {
        writeRowStream(device, rows);
        QFAIL("the write should fail");
    } catch (const EError& e) {
        QCOMPARE(e.message(), QStringLiteral("Stream write error"));
    }
}

void TestRowStream::editsOfAReadRowKeepEveryText() {
    // A read row keeps its texts in its own space and reuses it for edits that
    // fit: every edit must leave every text exactly as written.
    TGridRowList rows = read(workedExampleBytes());
    TGridRow& row = *rows[0];
    QList<QByteArray> expected;
    for (int i = 0; i < row.textCount(); ++i)
        expected << row.text(i);
    const auto check = [&] {
        QCOMPARE(row.textCount(), qsizetype(expected.size()));
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(row.text(i), expected[i]);
    };
    row.setText(7, expected[7] = "37.9");
    check();
    row.setText(6, expected[6] = "9.99");
    check();
    std::vector<QByteArrayView> reversed;
    for (int i = int(row.textCount()) - 1; i >= 0; --i)
        reversed.push_back(row.textView(i));
    row.setTexts(reversed);
    std::reverse(expected.begin(), expected.end());
    check();
    row.setText(2, expected[2] = QByteArray(600, 'w'));
    check();
    row.setText(2, expected[2] = "46");
    check();
    row.setTexts({});
    expected.clear();
    check();
}

void TestRowStream::readsTheWorkedExample() {
    RowStreamLayout layout = RowStreamLayout::Older;
    const TGridRowList rows = read(workedExampleBytes(), &layout);
    QCOMPARE(layout, RowStreamLayout::Current);
    QCOMPARE(rows.size(), std::size_t(1));
    const TGridRow& row = *rows[0];
    QCOMPARE(row.textCount(), 8);
    QCOMPARE(row.text(0), QByteArray("640x480 (VGA)"));
    QCOMPARE(row.text(1), QByteArray("MJPG-Medium (20)"));
    QCOMPARE(row.text(6), QByteArray("3.68"));
    QCOMPARE(row.text(7), QByteArray("37.90283203125"));
    QCOMPARE(row.imageIndex, 0);
    QCOMPARE(row.selectedIndex, -1);
    QCOMPARE(row.stateIndex, -1);
    QCOMPARE(row.userData, 0);
    QVERIFY(!row.hasSubRows());
}

void TestRowStream::roundTripGivesIdenticalBytes() {
    QRandomGenerator random(20071207);
    for (int round = 0; round < 50; ++round) {
        TGridRowList rows;
        const int count = random.bounded(40);
        for (int r = 0; r < count; ++r)
            rows.push_back(randomRow(random, 0));
        const QByteArray first = write(rows);
        const QByteArray second = write(read(first));
        QCOMPARE(second.size(), first.size());
        QVERIFY(second == first);
    }
}

void TestRowStream::readsTheOlderLayout() {
    const QByteArray bytes = StreamBytes()
                                 .int32(2)
                                 .header(0, 3)
                                 .shortText("640x480 (VGA)")
                                 .shortText("")
                                 .shortText("46")
                                 .header(0, 1)
                                 .shortText(QByteArray(255, 'w'));
    RowStreamLayout layout = RowStreamLayout::Current;
    const TGridRowList rows = read(bytes, &layout);
    QCOMPARE(layout, RowStreamLayout::Older);
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0]->textCount(), 3);
    QCOMPARE(rows[0]->text(0), QByteArray("640x480 (VGA)"));
    QCOMPARE(rows[0]->text(1), QByteArray());
    QCOMPARE(rows[0]->text(2), QByteArray("46"));
    QCOMPARE(rows[1]->text(0), QByteArray(255, 'w'));
    // Written back, the rows take the current layout.
    QCOMPARE(write(rows).left(8).toHex(' '), QByteArray("ff ff ff ff 02 00 00 00"));
}

void TestRowStream::anyNegativeMarkerIsTheCurrentLayout() {
    QByteArray bytes = workedExampleBytes();
    bytes[0] = char(0xFE); // -2
    RowStreamLayout layout = RowStreamLayout::Older;
    QCOMPARE(read(bytes, &layout).size(), std::size_t(1));
    QCOMPARE(layout, RowStreamLayout::Current);
    bytes.replace(0, 4, QByteArray("\x00\x00\x00\x80", 4)); // the most negative Int32
    QCOMPARE(read(bytes, &layout).at(0)->text(2), QByteArray("46"));
}

void TestRowStream::skipsHeaderBytesBeyondTwentyFour() {
    const QByteArray bytes = StreamBytes()
                                 .int32(-1)
                                 .int32(1)
                                 .int32(28)
                                 .int32(3)
                                 .int32(4)
                                 .int32(5)
                                 .int32(6)
                                 .int32(0)
                                 .int32(2)
                                 .raw("\xAA\xBB\xCC\xDD")
                                 .text("46")
                                 .text("10");
    const TGridRowList rows = read(bytes);
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(rows[0]->imageIndex, 3);
    QCOMPARE(rows[0]->selectedIndex, 4);
    QCOMPARE(rows[0]->stateIndex, 5);
    QCOMPARE(rows[0]->userData, 6);
    QCOMPARE(rows[0]->textCount(), 2);
    QCOMPARE(rows[0]->text(0), QByteArray("46"));
    QCOMPARE(rows[0]->text(1), QByteArray("10"));
}

void TestRowStream::keepsRowsOfFiveAndTenTexts() {
    StreamBytes s;
    s.int32(-1).int32(2).header(0, 5);
    for (const char* t : {"a", "b", "c", "d", "e"})
        s.text(t);
    s.header(0, 10);
    for (int i = 0; i < 10; ++i)
        s.text(QByteArray::number(i));
    const TGridRowList rows = read(s);
    QCOMPARE(rows[0]->textCount(), 5);
    QCOMPARE(rows[0]->text(5), QByteArray());
    QCOMPARE(rows[0]->text(7), QByteArray());
    QCOMPARE(rows[1]->textCount(), 10);
    QCOMPARE(rows[1]->text(9), QByteArray("9"));
    QCOMPARE(write(rows), s.bytes());
}

void TestRowStream::countsOfZeroOrBelowMeanNoEntries() {
    QVERIFY(read(StreamBytes().int32(-1).int32(0)).empty());
    QVERIFY(read(StreamBytes().int32(-1).int32(-7)).empty());
    QVERIFY(read(StreamBytes().int32(0)).empty()); // older layout, no rows
    const TGridRowList rows = read(StreamBytes().int32(-1).int32(2).header(-3, -1).header(0, 0));
    QCOMPARE(rows.size(), std::size_t(2));
    QCOMPARE(rows[0]->textCount(), 0);
    QVERIFY(!rows[0]->hasSubRows());
    QCOMPARE(rows[1]->textCount(), 0);
}

void TestRowStream::readsSubRowsAsNestedRows() {
    const QByteArray bytes = StreamBytes()
                                 .int32(-1)
                                 .int32(2)
                                 .header(2, 1)
                                 .text("p")
                                 .header(1, 1)
                                 .text("c1")
                                 .header(0, 1)
                                 .text("g")
                                 .header(0, 1)
                                 .text("c2")
                                 .header(0, 1)
                                 .text("q");
    const TGridRowList rows = read(bytes);
    QCOMPARE(rows.size(), std::size_t(2));
    const TGridRow& p = *rows[0];
    QCOMPARE(p.subRows().size(), std::size_t(2));
    QCOMPARE(p.subRows()[0]->text(0), QByteArray("c1"));
    QCOMPARE(p.subRows()[0]->subRows().size(), std::size_t(1));
    QCOMPARE(p.subRows()[0]->subRows()[0]->text(0), QByteArray("g"));
    QCOMPARE(p.subRows()[1]->text(0), QByteArray("c2"));
    QCOMPARE(rows[1]->text(0), QByteArray("q"));
    QCOMPARE(write(rows), bytes);
}

void TestRowStream::ignoresBytesAfterTheLastRow() {
    const QByteArray stream = workedExampleBytes();
    const TGridRowList rows = read(stream + QByteArray(100000, '\x7f'));
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(write(rows), stream);
}

void TestRowStream::everyTruncationFails() {
    const QByteArray whole = workedExampleBytes();
    for (int length = 0; length < whole.size(); ++length)
        QVERIFY2(failsToRead(whole.left(length)), qPrintable(QString::number(length)));
    const QByteArray older = StreamBytes().int32(1).header(0, 2).shortText("ab").shortText("c");
    for (int length = 0; length < older.size(); ++length)
        QVERIFY2(failsToRead(older.left(length)), qPrintable(QString::number(length)));
}

void TestRowStream::impossibleStreamsFail_data() {
    QTest::addColumn<QByteArray>("bytes");
    const qint32 huge = std::numeric_limits<qint32>::max();
    for (qint32 size : {-1, 0, 4, 20, 23}) {
        StreamBytes s;
        s.int32(-1).int32(1).int32(size);
        for (int i = 0; i < 20; ++i)
            s.int32(0);
        QTest::addRow("header size %d", size) << s.bytes();
    }
    QTest::newRow("header beyond the stream") << StreamBytes()
                                                     .int32(-1)
                                                     .int32(1)
                                                     .int32(1000)
                                                     .int32(0)
                                                     .int32(-1)
                                                     .int32(-1)
                                                     .int32(0)
                                                     .int32(0)
                                                     .int32(0)
                                                     .bytes();
    QTest::newRow("header of 2 GiB")
        << StreamBytes().int32(-1).int32(1).int32(huge).header(0, 0).bytes();
    for (qint32 length : {-1, -100, std::numeric_limits<qint32>::min()})
        QTest::addRow("text length %d", length) << StreamBytes()
                                                       .int32(-1)
                                                       .int32(1)
                                                       .header(0, 2)
                                                       .int32(length)
                                                       .raw("abcdefgh")
                                                       .text("x")
                                                       .bytes();
    QTest::newRow("row count") << StreamBytes().int32(-1).int32(huge).header(0, 0).bytes();
    QTest::newRow("older row count") << StreamBytes().int32(huge).header(0, 0).bytes();
    QTest::newRow("row count one too many")
        << StreamBytes().int32(-1).int32(2).header(0, 1).text("only one").bytes();
    QTest::newRow("text count")
        << StreamBytes().int32(-1).int32(1).header(0, huge).text("a").bytes();
    QTest::newRow("older text count")
        << StreamBytes().int32(1).header(0, huge).shortText("a").bytes();
    QTest::newRow("sub-row count")
        << StreamBytes().int32(-1).int32(1).header(huge, 0).header(0, 0).bytes();
    QTest::newRow("text length")
        << StreamBytes().int32(-1).int32(1).header(0, 1).int32(huge).raw("abc").bytes();
    QTest::newRow("text length one too many")
        << StreamBytes().int32(-1).int32(1).header(0, 1).int32(4).raw("abc").bytes();
    QTest::newRow("text length eats the next text")
        << StreamBytes().int32(-1).int32(1).header(0, 2).int32(5).raw("abcde").bytes();
    QTest::newRow("older text length")
        << StreamBytes().int32(1).header(0, 1).byte(200).raw("abc").bytes();
    QTest::newRow("sub-rows promised, none there")
        << StreamBytes().int32(-1).int32(1).header(3, 1).text("a").bytes();
}

void TestRowStream::impossibleStreamsFail() {
    QFETCH(QByteArray, bytes);
    QVERIFY(failsToRead(bytes));
}

void TestRowStream::hugeRowCountAllocatesNothingBeforeFailing() {
    // Twelve bytes that promise 2^31 - 1 rows: the count alone must size nothing.
    const QByteArray bytes =
        StreamBytes().int32(-1).int32(std::numeric_limits<qint32>::max()).int32(24).bytes();
    QCOMPARE(bytes.size(), 12);
    bool failed = false;
    g_largestAllocation = 0;
    g_watchingAllocations = true;
    try {
        failed = failsToRead(bytes);
    } catch (const std::bad_alloc&) {
    }
    g_watchingAllocations = false;
    QVERIFY(failed);
    QVERIFY2(g_largestAllocation < 4096,
             qPrintable(QString("%1 bytes asked for").arg(g_largestAllocation.load())));
}

void TestRowStream::deeplyNestedChainReadsAndWrites() {
    const int levels = 200000;
    const QByteArray bytes = deepChainBytes(levels);
    TGridRowList rows = read(bytes);
    QCOMPARE(rows.size(), std::size_t(1));
    int depth = 1;
    for (const TGridRow* at = rows[0].get(); at->hasSubRows(); at = at->subRows()[0].get())
        ++depth;
    QCOMPARE(depth, levels);
    QCOMPARE(write(rows), bytes);
    // A chain cut short anywhere still fails cleanly.
    QVERIFY(failsToRead(bytes.left(bytes.size() - 3)));
    QVERIFY(failsToRead(bytes.left(bytes.size() / 2)));
}

void TestRowStream::randomMutationsNeverCrash() {
    QRandomGenerator random(4711);
    TGridRowList rows;
    for (int i = 0; i < 4; ++i)
        rows.push_back(rowOf({"640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1"}));
    rows[1]->subRows().push_back(rowOf({"s"}));
    const QByteArray valid = write(rows);
    int failed = 0;
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes = valid;
        const int changes = 1 + random.bounded(4);
        for (int c = 0; c < changes; ++c)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        if (random.bounded(3) == 0)
            bytes.truncate(random.bounded(int(bytes.size())));
        try {
            read(bytes);
        } catch (const EError& e) {
            QCOMPARE(e.message(), QStringLiteral("Stream read error"));
            ++failed;
        }
    }
    QVERIFY(failed > 0);
}

QTEST_GUILESS_MAIN(TestRowStream)
#include "tst_rowstream.moc"
