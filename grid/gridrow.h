// One row of the planner grid: its cell texts (8-bit strings), the header
// values the row stream carries, and nested sub-rows.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
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
    // All texts in one block (null when the row holds none): the width w of
    // the numbers (1, 2, 4 or 8 bytes), the text count in w bytes, the end
    // offset of each text in w bytes each, then the text bytes back to back.
    std::unique_ptr<char[]> m_block;
    std::unique_ptr<std::vector<std::unique_ptr<TGridRow>>> m_subRows;
};

using TGridRowList = std::vector<std::unique_ptr<TGridRow>>;

} // namespace vantrel
