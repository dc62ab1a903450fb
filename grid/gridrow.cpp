// The row's packed text block and its non-recursive release.
#include "grid/gridrow.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

quint64 readNumber(const char* p, int width) {
    switch (width) {
    case 1: return quint8(*p);
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
    case 1: *p = char(quint8(value)); break;
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
    default: std::memcpy(p, &value, 8); break;
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

} // namespace

TGridRow::~TGridRow() {
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
    return qsizetype(readNumber(m_block.get() + 1, quint8(m_block[0])));
}

QByteArrayView TGridRow::textView(qsizetype index) const {
    if (!m_block || index < 0)
        return {};
    const int w = quint8(m_block[0]);
    const char* numbers = m_block.get() + 1;
    const quint64 count = readNumber(numbers, w);
    if (quint64(index) >= count)
        return {};
    const char* ends = numbers + w;
    const quint64 start = index == 0 ? 0 : readNumber(ends + (index - 1) * w, w);
    const quint64 end = readNumber(ends + index * w, w);
    const char* bytes = ends + count * w;
    return QByteArrayView(bytes + start, qsizetype(end - start));
}

QByteArray TGridRow::text(qsizetype index) const { return textView(index).toByteArray(); }

void TGridRow::setText(qsizetype index, const QByteArray& text) {
    if (index < 0)
        return;
    const qsizetype count = std::max(textCount(), index + 1);
    std::vector<QByteArrayView> views(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < textCount(); ++i)
        views[std::size_t(i)] = textView(i);
    views[std::size_t(index)] = QByteArrayView(text);
    setTexts(views);
}

void TGridRow::setTexts(std::span<const QByteArrayView> texts) {
    if (texts.empty()) {
        m_block.reset();
        return;
    }
    quint64 total = 0;
    for (const QByteArrayView& t : texts)
        total += quint64(t.size());
    const quint64 count = texts.size();
    const int w = widthFor(std::max(total, count));
    const std::size_t size = 1 + std::size_t(w) * (1 + count) + std::size_t(total);
    std::unique_ptr<char[]> block(new char[size]);
    block[0] = char(w);
    char* p = block.get() + 1;
    writeNumber(p, w, count);
    p += w;
    char* bytes = p + count * w;
    quint64 end = 0;
    for (const QByteArrayView& t : texts) {
        if (!t.isEmpty())
            std::memcpy(bytes + end, t.data(), std::size_t(t.size()));
        end += quint64(t.size());
        writeNumber(p, w, end);
        p += w;
    }
    m_block = std::move(block); // the views may point into the old block until here
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
