// The row stream reader and writer. Both walk nested sub-rows with an explicit
// stack, so no depth of nesting can overflow the call stack; the reader checks
// every stated count and length against the bytes the device can still give.
#include "grid/rowstream.h"

#include "core/error.h"

#include <QIODevice>
#include <QtEndian>
#include <cstring>
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
    throw EError(QStringLiteral("Stream write error"));
}

// Reads from a device through a buffer. On a random-access device it reads
// ahead in chunks and puts the device back after the last byte it used; on a
// sequential device it asks for exactly the bytes it needs.
class StreamInput {
public:
    explicit StreamInput(QIODevice& device) : m_device(device) {
        m_random = !device.isSequential();
        if (m_random) {
            m_position = device.pos();
            m_size = device.size();
        }
    }

    // Bytes the stream can still give: exact on a random-access device,
    // unbounded (as far as anyone can tell) on a sequential one.
    qint64 remaining() const {
        if (!m_random)
            return std::numeric_limits<qint64>::max() / 4;
        return m_size - m_position;
    }

    // True when remaining() is the exact size of what is left.
    bool knowsSize() const { return m_random; }

    qint32 readInt32() {
        if (const char* p = take(4))
            return qFromLittleEndian<qint32>(p);
        char raw[4];
        readExact(raw, 4);
        return qFromLittleEndian<qint32>(raw);
    }

    // The next count bytes, consumed, when the buffer already holds them all;
    // null otherwise, with nothing consumed. Valid until the next read.
    const char* take(qint64 count) {
        if (m_bufferEnd - m_bufferPos < count)
            return nullptr;
        const char* p = m_buffer.data() + m_bufferPos;
        consume(count);
        return p;
    }

    // The bytes the buffer holds and the stream has not used yet.
    QByteArrayView buffered() const {
        return QByteArrayView(m_buffer.data() + m_bufferPos, qsizetype(m_bufferEnd - m_bufferPos));
    }

    quint8 readByte() {
        char raw;
        readExact(&raw, 1);
        return quint8(raw);
    }

    void readExact(char* out, qint64 count) {
        pump(count, [&](const char* from, qint64 n) {
            std::memcpy(out, from, std::size_t(n));
            out += n;
        });
    }

    // Appends count bytes to out; out grows only as the bytes arrive.
    void appendTo(std::string& out, qint64 count) {
        pump(count, [&](const char* from, qint64 n) { out.append(from, std::size_t(n)); });
    }

    void skip(qint64 count) {
        pump(count, [](const char*, qint64) {});
    }

    // Leaves a random-access device right after the last byte of the stream.
    void finish() {
        if (m_random && m_bufferPos != m_bufferEnd)
            m_device.seek(m_position);
    }

private:
    // Hands the next count bytes to use() piece by piece, refilling the
    // buffer as it runs dry.
    template <class Use> void pump(qint64 count, Use use) {
        while (count > 0) {
            if (m_bufferPos == m_bufferEnd)
                fill(count);
            const qint64 n = std::min<qint64>(count, m_bufferEnd - m_bufferPos);
            use(m_buffer.data() + m_bufferPos, n);
            consume(n);
            count -= n;
        }
    }

    void consume(qint64 n) {
        m_bufferPos += n;
        m_position += n;
    }

    void fill(qint64 wanted) {
        m_bufferPos = m_bufferEnd = 0;
        qint64 ask = m_random ? std::min(kChunk, remaining()) : std::min(kChunk, wanted);
        if (ask <= 0)
            readError();
        if (qint64(m_buffer.size()) < ask)
            m_buffer.resize(std::size_t(ask));
        for (;;) {
            const qint64 got = m_device.read(m_buffer.data(), ask);
            if (got > 0) {
                m_bufferEnd = got;
                return;
            }
            if (got < 0 || m_random || !m_device.waitForReadyRead(30000))
                readError();
        }
    }

    QIODevice& m_device;
    bool m_random = false;
    qint64 m_position = 0; // device position of the next unread stream byte
    qint64 m_size = 0;
    std::string m_buffer;
    qint64 m_bufferPos = 0;
    qint64 m_bufferEnd = 0;
};

class RowStreamReader {
public:
    explicit RowStreamReader(QIODevice& device) : m_in(device) {}

    StreamInput& input() { return m_in; }

    // Reads the layout marker and, in the current layout, the row count.
    qint32 readStart() {
        const qint32 first = m_in.readInt32();
        if (first >= 0) {
            m_layout = RowStreamLayout::Older;
            m_minTextBytes = 1;
            return first;
        }
        return m_in.readInt32();
    }

    RowStreamLayout layout() const { return m_layout; }

    // Notes that the stream promises more entries; fails at once when the
    // rest of the stream could not hold even their smallest form.
    void expect(qint64 count, qint64 minBytesEach) {
        if (count <= 0)
            return;
        m_pending += count * minBytesEach;
        if (m_pending > m_in.remaining())
            readError();
    }

    struct Record {
        std::unique_ptr<TGridRow> row;
        qint32 subRowCount;
    };

    // Reads one row record's header and texts into a new row.
    Record readRecord() {
        m_pending -= kMinRecordBytes;
        const qint32 headerSize = m_in.readInt32();
        if (headerSize < kRowHeaderSize || headerSize > m_in.remaining() - m_pending)
            readError();
        qint32 fields[6];
        if (const char* p = m_in.take(kRowHeaderSize)) {
            for (int i = 0; i < 6; ++i)
                fields[i] = qFromLittleEndian<qint32>(p + 4 * i);
        } else {
            for (qint32& field : fields)
                field = m_in.readInt32();
        }
        const qint32 subRowCount = fields[4];
        const qint32 textCount = fields[5];
        m_in.skip(qint64(headerSize) - kRowHeaderSize);
        expect(textCount, m_minTextBytes);
        expect(subRowCount, kMinRecordBytes);
        std::span<const QByteArrayView> texts;
        if (textCount > 0 && !viewBufferedTexts(textCount, texts))
            texts = readTexts(textCount);
        // The views point into the buffer or m_bytes, unchanged until the next read.
        Record record{TGridRow::withTexts(texts), subRowCount};
        record.row->imageIndex = fields[0];
        record.row->selectedIndex = fields[1];
        record.row->stateIndex = fields[2];
        record.row->userData = fields[3];
        return record;
    }

private:
    // The common case: all of the row's texts already lie in the buffer, so
    // the views point there and the texts are copied once, into the row.
    // Returns false, having consumed nothing, when the buffer ends first.
    bool viewBufferedTexts(qint32 count, std::span<const QByteArrayView>& texts) {
        const QByteArrayView bytes = m_in.buffered();
        if (count * m_minTextBytes > bytes.size())
            return false;
        if (m_views.size() < std::size_t(count)) // at most one view per buffered byte
            m_views.resize(std::size_t(count));
        QByteArrayView* view = m_views.data();
        const char* p = bytes.data();
        const char* const end = p + bytes.size();
        const bool wide = m_layout == RowStreamLayout::Current;
        for (qint32 i = 0; i < count; ++i) {
            qint64 length;
            if (wide) {
                if (end - p < 4)
                    return false;
                length = qFromLittleEndian<qint32>(p);
                p += 4;
            } else {
                if (p == end)
                    return false;
                length = quint8(*p++);
            }
            if (length < 0)
                readError();
            if (length > end - p)
                return false;
            *view++ = QByteArrayView(p, qsizetype(length));
            p += length;
        }
        m_in.take(p - bytes.data());
        // What the stream has left over what it still promises only shrinks
        // from text to text, so checking it once after the last text is the
        // same as checking it after each.
        m_pending -= count * m_minTextBytes;
        if (m_pending > m_in.remaining())
            readError();
        texts = std::span<const QByteArrayView>(m_views.data(), std::size_t(count));
        return true;
    }

    // Any row, any device: the texts arrive piece by piece into m_bytes.
    std::span<const QByteArrayView> readTexts(qint32 count) {
        m_bytes.clear();
        m_ends.clear();
        for (qint32 i = 0; i < count; ++i) {
            m_pending -= m_minTextBytes;
            const qint64 length =
                m_layout == RowStreamLayout::Current ? m_in.readInt32() : m_in.readByte();
            if (length < 0 || length > m_in.remaining() - m_pending)
                readError();
            m_in.appendTo(m_bytes, length);
            m_ends.push_back(m_bytes.size());
        }
        m_views.resize(m_ends.size());
        std::size_t start = 0;
        for (std::size_t i = 0; i < m_ends.size(); ++i) {
            m_views[i] = QByteArrayView(m_bytes.data() + start, qsizetype(m_ends[i] - start));
            start = m_ends[i];
        }
        return m_views;
    }

    StreamInput m_in;
    RowStreamLayout m_layout = RowStreamLayout::Current;
    qint64 m_minTextBytes = 4;
    qint64 m_pending = 0; // the fewest bytes the entries still promised need
    std::string m_bytes;  // the texts of the row being read, back to back
    std::vector<std::size_t> m_ends;
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

TGridRowList readRowStream(QIODevice& device, RowStreamLayout* layout) {
    RowStreamReader reader(device);
    const qint32 rowCount = reader.readStart();
    reader.expect(rowCount, kMinRecordBytes);

    struct Frame {
        TGridRow* row;
        qint32 subRowsLeft;
    };
    TGridRowList rows;
    // Only a known size has bounded the count; a pipe's rows grow as they come.
    if (rowCount > 0 && reader.input().knowsSize())
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
    reader.input().finish();
    if (layout)
        *layout = reader.layout();
    return rows;
}

} // namespace vantrel
