// Properties of the grid's row stream over seeded random grids: what the grid
// writes it reads back to the same rows, in either layout, and no strict
// prefix of a stream reads at all or disturbs the grid. That the bytes come
// back identical is the row stream's own suite's to show.
//
// Every case draws from its own seed, printed when it fails; set
// VANTREL_PROPERTY_SEED to move all cases to other seeds.
#include "core/error.h"
#include "grid/plangrid.h"
#include "tests/grid/plannergrid.h"
#include "tests/grid/streambytes.h"
#include "tests/support/fakeplatform.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace vantrel;
using vantrel::test::PlannerGrid;
using vantrel::test::StreamBytes;

namespace {

quint32 baseSeed() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VANTREL_PROPERTY_SEED").toUInt(&ok);
    return ok ? seed : 39423u;
}

struct Shape {
    int maxRows;
    int maxTexts;
    int maxTextLength;
    bool subRows;
};

constexpr Shape kFull{200, 20, 300, true};
constexpr Shape kSmall{6, 20, 12, true};

// Texts of any bytes: mostly short, now and then longer than one length byte holds.
QByteArray randomText(QRandomGenerator& random, int maxLength) {
    const int length = random.bounded(8) == 0 ? random.bounded(maxLength + 1)
                                              : random.bounded(std::min(maxLength, 12) + 1);
    QByteArray text(length, Qt::Uninitialized);
    for (char& c : text)
        c = char(random.bounded(256));
    return text;
}

void fillRow(TGridRow& row, QRandomGenerator& random, const Shape& shape, int depth) {
    const int texts = random.bounded(shape.maxTexts + 1);
    for (int i = 0; i < texts; ++i)
        row.setText(i, randomText(random, shape.maxTextLength));
    row.imageIndex = qint32(random.generate());
    row.selectedIndex = qint32(random.generate());
    row.stateIndex = qint32(random.generate());
    row.userData = qint32(random.generate());
    if (!shape.subRows || depth >= 3 || random.bounded(10) != 0)
        return;
    const int subRows = 1 + random.bounded(3);
    for (int i = 0; i < subRows; ++i) {
        row.subRows().push_back(std::make_unique<TGridRow>());
        fillRow(*row.subRows().back(), random, shape, depth + 1);
    }
}

void fillGrid(TPlanGrid& grid, QRandomGenerator& random, const Shape& shape) {
    grid.ClearRows();
    const int rows = random.bounded(shape.maxRows + 1);
    for (int r = 0; r < rows; ++r)
        fillRow(*grid.AddRow(), random, shape, 0);
}

// The rows as plain lines, built without the stream code, to compare grids by.
void describe(const TGridRow& row, const QByteArray& indent, QList<QByteArray>& out) {
    QByteArray line = indent;
    for (qint32 v : {row.imageIndex, row.selectedIndex, row.stateIndex, row.userData})
        line += QByteArray::number(v) + ' ';
    for (qsizetype i = 0; i < row.textCount(); ++i)
        line += '[' + row.text(i).toHex() + ']';
    out << line;
    for (const auto& sub : row.subRows())
        describe(*sub, indent + "  ", out);
}

QList<QByteArray> describe(const TPlanGrid& grid) {
    QList<QByteArray> out;
    for (int r = 0; r < grid.RowCount(); ++r)
        describe(*grid.RowAt(r), QByteArray(), out);
    return out;
}

// The same rows in the older layout, which the program reads but never writes.
void appendOlder(StreamBytes& s, const TGridRow& row) {
    s.header(qint32(row.subRows().size()), qint32(row.textCount()), row.imageIndex,
             row.selectedIndex, row.stateIndex, row.userData);
    for (qsizetype i = 0; i < row.textCount(); ++i)
        s.shortText(row.text(i));
    for (const auto& sub : row.subRows())
        appendOlder(s, *sub);
}

QByteArray olderLayoutBytes(const TPlanGrid& grid) {
    StreamBytes s;
    s.int32(grid.RowCount());
    for (int r = 0; r < grid.RowCount(); ++r)
        appendOlder(s, *grid.RowAt(r));
    return s;
}

QByteArray written(const TPlanGrid& grid) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    grid.WriteRows(buffer);
    return bytes;
}

QString readError(TPlanGrid& grid, const QByteArray& bytes) {
    try {
        grid.ReadRows(bytes);
    } catch (const EError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// What a failed read must leave exactly as it was.
struct GridState {
    explicit GridState(const TPlanGrid& grid)
        : lines(describe(grid)), focused(grid.FocusedRow()), layout(grid.lastReadLayout()) {
        for (int r = 0; r < grid.RowCount(); ++r)
            rows.push_back(grid.RowAt(r));
    }
    bool operator==(const GridState&) const = default;

    QList<QByteArray> lines;
    std::vector<const TGridRow*> rows;
    const TGridRow* focused;
    RowStreamLayout layout;
};

QByteArray caseName(quint32 seed) {
    return "seed " + QByteArray::number(seed);
}

} // namespace

class TestRowStreamProperty : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readingReplacesTheRowsWithTheWrittenOnes();
    void olderLayoutReadsToTheSameRows();
    void strictPrefixesFailAndLeaveTheGridUntouched_data();
    void strictPrefixesFailAndLeaveTheGridUntouched();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<PlannerGrid> m_source;
    std::unique_ptr<PlannerGrid> m_target;
};

void TestRowStreamProperty::init() {
    m_platform = std::make_unique<test::FakePlatform>();
    m_source = std::make_unique<PlannerGrid>(*m_platform);
    m_target = std::make_unique<PlannerGrid>(*m_platform);
}

void TestRowStreamProperty::cleanup() {
    m_target.reset();
    m_source.reset();
    m_platform.reset();
}

void TestRowStreamProperty::readingReplacesTheRowsWithTheWrittenOnes() {
    TPlanGrid& source = *m_source->grid;
    TPlanGrid& target = *m_target->grid;
    for (quint32 i = 0; i < 120; ++i) {
        const quint32 seed = baseSeed() + i;
        QRandomGenerator random(seed);
        fillGrid(source, random, kFull);
        fillGrid(target, random, kSmall); // rows the read must replace
        target.ReadRows(written(source));
        QVERIFY2(describe(target) == describe(source), caseName(seed));
        QVERIFY2(target.lastReadLayout() == RowStreamLayout::Current, caseName(seed));
        QVERIFY2(target.FocusedRow() == (target.RowCount() > 0 ? target.RowAt(0) : nullptr),
                 caseName(seed));
    }
}

void TestRowStreamProperty::olderLayoutReadsToTheSameRows() {
    TPlanGrid& source = *m_source->grid;
    TPlanGrid& target = *m_target->grid;
    const Shape shape{60, 20, 255, true}; // one length byte holds every text
    for (quint32 i = 0; i < 60; ++i) {
        const quint32 seed = baseSeed() + 1000 + i;
        QRandomGenerator random(seed);
        fillGrid(source, random, shape);
        const QByteArray older = olderLayoutBytes(source);
        QVERIFY2(readError(target, older) == QLatin1String("<no error>"), caseName(seed));
        QVERIFY2(target.lastReadLayout() == RowStreamLayout::Older, caseName(seed));
        QVERIFY2(describe(target) == describe(source), caseName(seed));
        QVERIFY2(written(target) == written(source),
                 caseName(seed)); // written in the current layout
    }
}

void TestRowStreamProperty::strictPrefixesFailAndLeaveTheGridUntouched_data() {
    QTest::addColumn<bool>("large");
    QTest::newRow("small grids, every prefix, both layouts") << false;
    // The last byte, the first record's header and random cuts in between.
    QTest::newRow("large grids, chosen cuts") << true;
}

void TestRowStreamProperty::strictPrefixesFailAndLeaveTheGridUntouched() {
    QFETCH(bool, large);
    TPlanGrid& source = *m_source->grid;
    TPlanGrid& target = *m_target->grid;
    for (quint32 i = 0; i < (large ? 10u : 40u); ++i) {
        const quint32 seed = baseSeed() + (large ? 3000 : 2000) + i;
        QRandomGenerator random(seed);
        fillGrid(source, random, large ? kFull : kSmall);
        fillGrid(target, random, kSmall);
        if (target.RowCount() > 1)
            target.FocusRow(target.RowAt(target.RowCount() - 1));
        QList<QByteArray> streams{written(source)};
        if (!large)
            streams << olderLayoutBytes(source);
        for (const QByteArray& whole : streams) {
            QList<qsizetype> lengths;
            if (large) {
                lengths = {whole.size() - 1, 0, 4, 7, 8, 9, 35, 36};
                for (int k = 0; k < 40; ++k)
                    lengths << qsizetype(random.bounded(quint32(whole.size())));
                lengths.removeIf([&](qsizetype n) { return n >= whole.size(); });
            } else {
                for (qsizetype length = 0; length < whole.size(); ++length)
                    lengths << length;
            }
            const GridState before(target);
            for (qsizetype length : lengths) {
                const QByteArray where = caseName(seed) + ", first " + QByteArray::number(length) +
                                         " of " + QByteArray::number(whole.size()) + " bytes";
                QVERIFY2(readError(target, whole.left(length)) ==
                             QLatin1String("Stream read error"),
                         where);
                QVERIFY2(GridState(target) == before, where);
                QVERIFY2(!target.isUpdating(), where);
            }
        }
    }
}

QTEST_MAIN(TestRowStreamProperty)
#include "tst_rowstreamproperty.moc"
