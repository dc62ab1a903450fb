// The planner's rows as its rules see them: cell texts by row and cell index,
// a focused row, and the pick lists the frame-size lookup searches. The grid
// provides them on screen; tests provide them in memory.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vantrel {

// Cell indices of a camera-type row.
enum Cell {
    kResolution = 0,
    kCompression = 1,
    kFrameSize = 2,
    kFps = 3,
    kDays = 4,
    kCameras = 5,
    kBandwidth = 6,
    kDiskSpace = 7,
};

class TPlanRows {
public:
    virtual ~TPlanRows() = default;

    virtual int rowCount() const = 0;
    // The row the user is editing or last selected; -1 when there is none.
    virtual int focusedRow() const = 0;
    // The empty text for a cell never written.
    virtual QString cellText(int row, int cell) const = 0;
    // The same text as stored, 8-bit, without a copy: the totals read every
    // row at each keystroke. Valid until the rows next change.
    virtual QByteArrayView cellBytes(int row, int cell) const = 0;
    virtual void setCellText(int row, int cell, const QString& text) = 0;
    // Appends a row without texts and returns its index (the last one).
    virtual int addRow() = 0;
    virtual void focusRow(int row) = 0;
    // The focus then moves to the row before, else to the row after, else to none.
    virtual void deleteRow(int row) = 0;
    // The texts a pick-list cell offers; empty for other cells.
    virtual QStringList pickList(int cell) const = 0;
};

} // namespace vantrel
