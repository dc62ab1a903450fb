// One row of the planner grid: its cell texts (8-bit strings), the header
// values the row stream carries, and nested sub-rows.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace vantrel {

class TGridRow {
public:
    TGridRow() = default;
    TGridRow(const TGridRow&) = delete;
    TGridRow& operator=(const TGridRow&) = delete;
    // Releases nested sub-rows without recursion, so any depth is safe.
    ~TGridRow();

    // A new row holding these texts in the same allocation as the row, so a
    // row read from a file costs one allocation. The space stays the row's:
    // later texts that fit go there again.
    static std::unique_ptr<TGridRow> withTexts(std::span<const QByteArrayView> texts);

    // The plain global forms, which free a row of any allocated size.
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* p) { ::operator delete(p); }

    // Number of texts the row holds (highest cell index ever written plus one).
    qsizetype textCount() const;
    // The text at a cell index; empty beyond the end.
    QByteArray text(qsizetype index) const;
    // The same text without a copy; valid until the row's texts next change.
    QByteArrayView textView(qsizetype index) const;
    // Stores a text, padding with empty texts up to the index first.
    void setText(qsizetype index, const QByteArray& text);
    // Replaces all texts at once (the views may point into this row's texts).
    void setTexts(std::span<const QByteArrayView> texts);

    qint32 imageIndex = 0;
    qint32 selectedIndex = -1;
    qint32 stateIndex = -1;
    qint32 userData = 0;

    // The list is created on first non-const use; a row without sub-rows keeps none.
    std::vector<std::unique_ptr<TGridRow>>& subRows();
    const std::vector<std::unique_ptr<TGridRow>>& subRows() const;
    bool hasSubRows() const { return m_subRows && !m_subRows->empty(); }

private:
    char* inlineSpace() { return reinterpret_cast<char*>(this) + sizeof(TGridRow); }
    const char* inlineSpace() const {
        return reinterpret_cast<const char*>(this) + sizeof(TGridRow);
    }
    bool ownsHeapBlock() const;
    std::size_t blockCapacity() const;
    // Replaces one text inside the present block, moving only the texts after
    // it: a keystroke's write beside a huge loaded text copies none of it.
    // False where the new texts need wider numbers or more room.
    bool replaceInPlace(qsizetype index, QByteArrayView text);
    // Makes block the row's block, releasing a previous one from the heap.
    void adopt(char* block);

    // All texts in one block (null when the row holds none): the width w of
    // the numbers (1, 2, 4 or 8 bytes), the text count in w bytes, the end
    // offset of each text in w bytes each, then the text bytes back to back.
    // The block is either on the heap (new[]) or in the inlineSpace() bytes
    // that withTexts allocated right after the row.
    char* m_block = nullptr;
    std::size_t m_inlineSize = 0;
    std::size_t m_heapSize = 0; // of a block on the heap
    std::unique_ptr<std::vector<std::unique_ptr<TGridRow>>> m_subRows;
};

using TGridRowList = std::vector<std::unique_ptr<TGridRow>>;

} // namespace vantrel
