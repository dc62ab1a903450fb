// The row stream reader and writer. Both walk nested sub-rows with an explicit
// stack, so no depth of nesting can overflow the call stack; the reader checks
// every stated count and length against the bytes still left.
#include "grid/rowstream.h"

#include "core/error.h"

#include <QIODevice>
#include <QtEndian>
#include <limits>
#include <span>
#include <string>

namespace vantrel {

namespace {

constexpr qint64 kChunk = 64 * 1024;
// The fewest bytes a row record can take: its header size and the header.
constexpr qint64 kMinRecordBytes = 4 + kRowHeaderSize;

[[noreturn]] void readError() {
    throw EError(QStringLiteral("Stream read error"));
}
[[noreturn]] void writeError() {
    throw EError(QString::fromLatin1(kStreamWriteError));
}

// One cursor over the whole stream in memory. Every count and length is
// checked against the bytes left before anything is sized by it.
class RowStreamReader {
public:
    explicit RowStreamReader(QByteArrayView bytes)
        : m_at(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    // Reads the layout marker and, in the current layout, the row count.
    qint32 readStart() {
        const qint32 first = readInt32();
        if (first >= 0) {
            m_layout = RowStreamLayout::Older;
            m_minTextBytes = 1;
            return first;
        }
        return readInt32();
    }

    RowStreamLayout layout() const { return m_layout; }

    // Notes that the stream promises more entries; fails at once when the
    // rest of the stream could not hold even their smallest form.
    void expect(qint64 count, qint64 minBytesEach) {
        if (count <= 0)
            return;
        m_pending += count * minBytesEach;
        if (m_pending > left())
            readError();
    }

    struct Record {
        std::unique_ptr<TGridRow> row;
        qint32 subRowCount;
    };

    // Reads one row record's header and texts into a new row.
    Record readRecord() {
        m_pending -= kMinRecordBytes;
        const qint32 headerSize = readInt32();
        if (headerSize < kRowHeaderSize || headerSize > left() - m_pending)
            readError();
        const char* header = take(headerSize); // bytes past the first 24 are skipped
        const auto field = [header](int i) { return qFromLittleEndian<qint32>(header + 4 * i); };
        const qint32 subRowCount = field(4);
        const qint32 textCount = field(5);
        expect(textCount, m_minTextBytes);
        expect(subRowCount, kMinRecordBytes);
        Record record{TGridRow::withTexts(readTexts(textCount)), subRowCount};
        record.row->imageIndex = field(0);
        record.row->selectedIndex = field(1);
        record.row->stateIndex = field(2);
        record.row->userData = field(3);
        return record;
    }

private:
    qint64 left() const { return m_end - m_at; }

    // The next count bytes, consumed; a stream read error past the end.
    const char* take(qint64 count) {
        if (count > left())
            readError();
        const char* p = m_at;
        m_at += count;
        return p;
    }

    qint32 readInt32() { return qFromLittleEndian<qint32>(take(4)); }

    // Views into the stream, valid until the next record; the row copies them.
    std::span<const QByteArrayView> readTexts(qint32 count) {
        m_views.clear();
        for (qint32 i = 0; i < count; ++i) {
            m_pending -= m_minTextBytes;
            const qint64 length =
                m_layout == RowStreamLayout::Current ? readInt32() : quint8(*take(1));
            if (length < 0 || length > left() - m_pending)
                readError();
            m_views.emplace_back(take(length), qsizetype(length));
        }
        return m_views;
    }

    const char* m_at;
    const char* const m_end;
    RowStreamLayout m_layout = RowStreamLayout::Current;
    qint64 m_minTextBytes = 4;
    qint64 m_pending = 0; // the fewest bytes the entries still promised need
    std::vector<QByteArrayView> m_views;
};

// Writes to a device through a buffer; any short write is an error.
class StreamOutput {
public:
    explicit StreamOutput(QIODevice& device) : m_device(device) { m_buffer.reserve(kChunk); }

    void writeInt32(qint64 value) {
        if (value < std::numeric_limits<qint32>::min() ||
            value > std::numeric_limits<qint32>::max())
            writeError();
        char raw[4];
        qToLittleEndian<qint32>(qint32(value), raw);
        writeBytes(QByteArrayView(raw, 4));
    }

    void writeBytes(QByteArrayView bytes) {
        if (qint64(m_buffer.size()) + bytes.size() > kChunk)
            flush();
        if (bytes.size() >= kChunk)
            writeThrough(bytes);
        else
            m_buffer.append(bytes.data(), std::size_t(bytes.size()));
    }

    void flush() {
        writeThrough(QByteArrayView(m_buffer.data(), qsizetype(m_buffer.size())));
        m_buffer.clear();
    }

private:
    void writeThrough(QByteArrayView bytes) {
        if (bytes.isEmpty())
            return;
        if (m_device.write(bytes.data(), bytes.size()) != bytes.size())
            writeError();
    }

    QIODevice& m_device;
    std::string m_buffer;
};

void writeRecord(StreamOutput& out, const TGridRow& row) {
    out.writeInt32(kRowHeaderSize);
    out.writeInt32(row.imageIndex);
    out.writeInt32(row.selectedIndex);
    out.writeInt32(row.stateIndex);
    out.writeInt32(row.userData);
    out.writeInt32(qint64(row.subRows().size()));
    const qsizetype count = row.textCount();
    out.writeInt32(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView text = row.textView(i);
        out.writeInt32(text.size());
        out.writeBytes(text);
    }
}

} // namespace

void writeRowStream(QIODevice& device, const TGridRowList& rows) {
    StreamOutput out(device);
    out.writeInt32(kCurrentLayoutMarker);
    out.writeInt32(qint64(rows.size()));
    struct Frame {
        const TGridRow* row;
        std::size_t next;
    };
    std::vector<Frame> stack;
    for (const auto& top : rows) {
        writeRecord(out, *top);
        stack.push_back({top.get(), 0});
        while (!stack.empty()) {
            Frame& frame = stack.back();
            const TGridRowList& subRows = frame.row->subRows();
            if (frame.next == subRows.size()) {
                stack.pop_back();
                continue;
            }
            const TGridRow* child = subRows[frame.next++].get();
            writeRecord(out, *child);
            stack.push_back({child, 0});
        }
    }
    out.flush();
}

TGridRowList readRowStream(QByteArrayView bytes, RowStreamLayout* layout) {
    RowStreamReader reader(bytes);
    const qint32 rowCount = reader.readStart();
    reader.expect(rowCount, kMinRecordBytes);

    struct Frame {
        TGridRow* row;
        qint32 subRowsLeft;
    };
    TGridRowList rows;
    if (rowCount > 0) // the bytes left have bounded the count
        rows.reserve(std::size_t(rowCount));
    std::vector<Frame> stack;
    for (qint32 i = 0; i < rowCount; ++i) {
        auto [top, topSubRows] = reader.readRecord();
        stack.push_back({top.get(), topSubRows});
        rows.push_back(std::move(top));
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.subRowsLeft <= 0) {
                stack.pop_back();
                continue;
            }
            --frame.subRowsLeft;
            TGridRowList& siblings = frame.row->subRows();
            auto [child, childSubRows] = reader.readRecord();
            TGridRow* at = child.get();
            siblings.push_back(std::move(child));
            stack.push_back({at, childSubRows}); // frame may move here
        }
    }
    if (layout)
        *layout = reader.layout();
    return rows;
}

} // namespace vantrel
