// The row's packed text block and its non-recursive release.
#include "grid/gridrow.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vantrel {

namespace {

quint64 readNumber(const char* p, int width) {
    switch (width) {
    case 1:
        return quint8(*p);
    case 2: {
        quint16 v;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 4: {
        quint32 v;
        std::memcpy(&v, p, 4);
        return v;
    }
    default: {
        quint64 v;
        std::memcpy(&v, p, 8);
        return v;
    }
    }
}

void writeNumber(char* p, int width, quint64 value) {
    switch (width) {
    case 1:
        *p = char(quint8(value));
        break;
    case 2: {
        const quint16 v = quint16(value);
        std::memcpy(p, &v, 2);
        break;
    }
    case 4: {
        const quint32 v = quint32(value);
        std::memcpy(p, &v, 4);
        break;
    }
    default:
        std::memcpy(p, &value, 8);
        break;
    }
}

int widthFor(quint64 largest) {
    if (largest <= 0xFF)
        return 1;
    if (largest <= 0xFFFF)
        return 2;
    if (largest <= 0xFFFFFFFFu)
        return 4;
    return 8;
}

struct BlockShape {
    int width;
    std::size_t size;
};

BlockShape shapeOf(std::span<const QByteArrayView> texts) {
    quint64 total = 0;
    for (const QByteArrayView& t : texts)
        total += quint64(t.size());
    const quint64 count = texts.size();
    const int w = widthFor(std::max(total, count));
    return {w, 1 + std::size_t(w) * (1 + count) + std::size_t(total)};
}

// Copies without a call for the few bytes most cell texts have, where the
// call to memcpy would cost more than the copy; each byte is written once or
// twice with the same value, never outside the range.
inline void copyBytes(char* to, const char* from, std::size_t n) {
    if (n > 16) {
        std::memcpy(to, from, n);
    } else if (n >= 8) {
        quint64 head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4) {
        quint32 head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
}

template <int W> void writeBlockAs(char* block, std::span<const QByteArrayView> texts) {
    block[0] = char(W);
    char* p = block + 1;
    writeNumber(p, W, texts.size());
    p += W;
    char* const bytes = p + texts.size() * W;
    quint64 end = 0;
    for (const QByteArrayView& t : texts) {
        copyBytes(bytes + end, t.data(), std::size_t(t.size()));
        end += quint64(t.size());
        writeNumber(p, W, end);
        p += W;
    }
}

void writeBlock(char* block, std::span<const QByteArrayView> texts, BlockShape shape) {
    switch (shape.width) {
    case 1:
        writeBlockAs<1>(block, texts);
        break;
    case 2:
        writeBlockAs<2>(block, texts);
        break;
    case 4:
        writeBlockAs<4>(block, texts);
        break;
    default:
        writeBlockAs<8>(block, texts);
        break;
    }
}

} // namespace

std::unique_ptr<TGridRow> TGridRow::withTexts(std::span<const QByteArrayView> texts) {
    if (texts.empty())
        return std::make_unique<TGridRow>();
    const BlockShape shape = shapeOf(texts);
    void* memory = ::operator new(sizeof(TGridRow) + shape.size);
    std::unique_ptr<TGridRow> row(::new (memory) TGridRow);
    row->m_inlineSize = shape.size;
    writeBlock(row->inlineSpace(), texts, shape);
    row->m_block = row->inlineSpace();
    return row;
}

TGridRow::~TGridRow() {
    if (ownsHeapBlock())
        delete[] m_block;
    if (!m_subRows)
        return;
    // Move every descendant into one flat list so each is released with no
    // sub-rows of its own left to recurse into.
    TGridRowList pending = std::move(*m_subRows);
    m_subRows.reset();
    while (!pending.empty()) {
        std::unique_ptr<TGridRow> row = std::move(pending.back());
        pending.pop_back();
        if (row->m_subRows) {
            for (auto& child : *row->m_subRows)
                pending.push_back(std::move(child));
            row->m_subRows.reset();
        }
    }
}

qsizetype TGridRow::textCount() const {
    if (!m_block)
        return 0;
    return qsizetype(readNumber(m_block + 1, quint8(m_block[0])));
}

QByteArrayView TGridRow::textView(qsizetype index) const {
    if (!m_block || index < 0)
        return {};
    const int w = quint8(m_block[0]);
    const char* numbers = m_block + 1;
    const quint64 count = readNumber(numbers, w);
    if (quint64(index) >= count)
        return {};
    const char* ends = numbers + w;
    const quint64 start = index == 0 ? 0 : readNumber(ends + (index - 1) * w, w);
    const quint64 end = readNumber(ends + index * w, w);
    const char* bytes = ends + count * w;
    return QByteArrayView(bytes + start, qsizetype(end - start));
}

QByteArray TGridRow::text(qsizetype index) const {
    return textView(index).toByteArray();
}

void TGridRow::setText(qsizetype index, const QByteArray& text) {
    if (index < 0)
        return;
    if (index < textCount() && replaceInPlace(index, text))
        return;
    const qsizetype count = std::max(textCount(), index + 1);
    std::vector<QByteArrayView> views(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < textCount(); ++i)
        views[std::size_t(i)] = textView(i);
    views[std::size_t(index)] = QByteArrayView(text);
    setTexts(views);
}

bool TGridRow::replaceInPlace(qsizetype index, QByteArrayView text) {
    if (text.data() >= m_block && text.data() < m_block + blockCapacity())
        return false; // the text lies in the block it would move
    const int w = quint8(m_block[0]);
    char* const ends = m_block + 1 + w;
    const quint64 count = readNumber(m_block + 1, w);
    char* const bytes = ends + count * w;
    const quint64 start = index == 0 ? 0 : readNumber(ends + (index - 1) * w, w);
    const quint64 end = readNumber(ends + index * w, w);
    const quint64 total = readNumber(ends + (count - 1) * w, w);
    const quint64 newTotal = total - (end - start) + quint64(text.size());
    if (widthFor(std::max(newTotal, count)) != w ||
        1 + w * (1 + count) + newTotal > blockCapacity())
        return false;
    const std::size_t newEnd = std::size_t(start) + std::size_t(text.size());
    std::memmove(bytes + newEnd, bytes + end, std::size_t(total - end));
    std::memcpy(bytes + start, text.data(), std::size_t(text.size()));
    for (quint64 i = quint64(index); i < count; ++i)
        writeNumber(ends + i * w, w, readNumber(ends + i * w, w) - end + newEnd);
    return true;
}

void TGridRow::setTexts(std::span<const QByteArrayView> texts) {
    if (texts.empty()) {
        adopt(nullptr);
        return;
    }
    // The views may point into the present block: build the new one apart,
    // then keep it in the row's own space when it fits there.
    const BlockShape shape = shapeOf(texts);
    // A block on the heap keeps some room to spare, so that the next texts
    // that grow a little still fit in place.
    const std::size_t capacity = shape.size + shape.size / 16 + 32;
    std::unique_ptr<char[]> block(new char[shape.size <= m_inlineSize ? shape.size : capacity]);
    writeBlock(block.get(), texts, shape);
    if (shape.size <= m_inlineSize) {
        std::memcpy(inlineSpace(), block.get(), shape.size);
        adopt(inlineSpace());
        return;
    }
    adopt(block.release());
    m_heapSize = capacity;
}

bool TGridRow::ownsHeapBlock() const {
    return m_block && !(m_inlineSize > 0 && m_block == inlineSpace());
}

std::size_t TGridRow::blockCapacity() const {
    return ownsHeapBlock() ? m_heapSize : m_inlineSize;
}

void TGridRow::adopt(char* block) {
    if (ownsHeapBlock())
        delete[] m_block;
    m_block = block;
}

std::vector<std::unique_ptr<TGridRow>>& TGridRow::subRows() {
    if (!m_subRows)
        m_subRows = std::make_unique<TGridRowList>();
    return *m_subRows;
}

const std::vector<std::unique_ptr<TGridRow>>& TGridRow::subRows() const {
    static const TGridRowList none;
    return m_subRows ? *m_subRows : none;
}

} // namespace vantrel
