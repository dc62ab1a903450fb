// One row of the planner grid: its cell texts (8-bit strings), the header
// values the row stream carries, and nested sub-rows.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <memory>
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
    // Stores a text, padding with empty texts up to the index first.
    void setText(qsizetype index, const QByteArray& text);

    qint32 imageIndex = 0;
    qint32 selectedIndex = -1;
    qint32 stateIndex = -1;
    qint32 userData = 0;

    std::vector<std::unique_ptr<TGridRow>>& subRows() { return m_subRows; }
    const std::vector<std::unique_ptr<TGridRow>>& subRows() const { return m_subRows; }

private:
    std::vector<QByteArray> m_texts;
    std::vector<std::unique_ptr<TGridRow>> m_subRows;
};

using TGridRowList = std::vector<std::unique_ptr<TGridRow>>;

} // namespace vantrel
