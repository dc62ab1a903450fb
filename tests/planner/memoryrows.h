// The planner's rows in memory, as its rules meet them without a window.
#pragma once

#include "planner/catalogue.h"
#include "planner/planrows.h"

#include <QByteArrayList>
#include <QList>
#include <algorithm>

namespace vantrel::test {

class MemoryRows final : public TPlanRows {
public:
    MemoryRows() = default;
    explicit MemoryRows(QList<QByteArrayList> texts) : rows(std::move(texts)) {}

    int rowCount() const override { return int(rows.size()); }
    int focusedRow() const override { return focused; }
    QString cellText(int row, int cell) const override {
        return QString::fromUtf8(cellBytes(row, cell));
    }
    QByteArrayView cellBytes(int row, int cell) const override {
        const QByteArrayList& texts = rows[row];
        return cell < texts.size() ? QByteArrayView(texts[cell]) : QByteArrayView();
    }
    void setCellText(int row, int cell, const QString& text) override {
        QByteArrayList& texts = rows[row];
        while (texts.size() <= cell)
            texts.append(QByteArray());
        texts[cell] = text.toUtf8();
    }
    int addRow() override {
        rows.append(QByteArrayList());
        return rowCount() - 1;
    }
    void focusRow(int row) override { focused = row; }
    void deleteRow(int row) override {
        rows.removeAt(row);
        if (row < focused)
            --focused;
        else if (row == focused)
            focused = rows.isEmpty() ? -1 : std::max(0, row - 1);
    }
    QStringList pickList(int cell) const override {
        if (cell == kResolution)
            return resolutionTexts();
        return cell == kCompression ? compressionTexts() : QStringList();
    }

    QList<QByteArrayList> rows;
    int focused = -1;
};

} // namespace vantrel::test
