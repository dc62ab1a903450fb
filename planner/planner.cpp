#include "planner/planner.h"

#include "core/numbers.h"
#include "planner/catalogue.h"
#include "planner/planrows.h"

namespace vantrel {

namespace {

void writeInt(TPlanRows& rows, int row, int cell, qint32 value) {
    rows.setCellText(row, cell, QString::number(value));
}

void writeFrameSizeFor(TPlanRows& rows, int row, const QString& resolution,
                       const QString& compression) {
    // A text in neither list (only a loaded row has one) keeps the old size.
    if (const auto size = lookupFrameSize(rows, resolution, compression))
        writeInt(rows, row, kFrameSize, *size);
}

} // namespace

void addCameraType(TPlanRows& rows) {
    const int row = rows.addRow();
    const NewRowValues v = newRowValues();
    rows.setCellText(row, kResolution, v.resolution);
    rows.setCellText(row, kCompression, v.compression);
    writeInt(rows, row, kFrameSize, v.frameSize);
    writeInt(rows, row, kFps, v.fps);
    writeInt(rows, row, kDays, v.days);
    writeInt(rows, row, kCameras, v.cameras);
    rows.focusRow(row);
}

void removeFocusedCameraType(TPlanRows& rows) {
    if (const int row = rows.focusedRow(); row >= 0)
        rows.deleteRow(row);
}

void applyResolutionChange(TPlanRows& rows, const QString& editorText) {
    const int row = rows.focusedRow();
    if (row < 0)
        return;
    rows.setCellText(row, kResolution, editorText);
    writeFrameSizeFor(rows, row, editorText, rows.cellText(row, kCompression));
}

void applyCompressionChange(TPlanRows& rows, const QString& editorText) {
    const int row = rows.focusedRow();
    if (row < 0)
        return;
    const QString resolution = rows.cellText(row, kResolution);
    rows.setCellText(row, kCompression, editorText);
    writeFrameSizeFor(rows, row, resolution, editorText);
}

void applyFrameSizeChange(TPlanRows& rows, const QString& editorText) {
    const int row = rows.focusedRow();
    if (row < 0)
        return;
    // A typed size no longer belongs to a catalogue combination.
    rows.setCellText(row, kResolution, QStringLiteral("?"));
    rows.setCellText(row, kCompression, QStringLiteral("?"));
    writeInt(rows, row, kFrameSize, readInt32Or(editorText, 0));
}

void applyCountChange(TPlanRows& rows, int cell, const QString& editorText) {
    const qint32 value = readInt32Or(editorText, 0);
    if (const int row = rows.focusedRow(); row >= 0 && cell >= 0)
        writeInt(rows, row, cell, value);
}

bool recalcFocusedRowCells(TPlanRows& rows, QChar decimalSeparator) {
    const int row = rows.focusedRow();
    if (row < 0)
        return false;
    const QLocale locale;
    const auto number = [&](int cell) { return cellNumber(rows.cellBytes(row, cell), locale); };
    const auto frame = number(kFrameSize), fps = number(kFps), cameras = number(kCameras);
    if (!frame || !fps || !cameras)
        return false;
    const auto bandwidth = bandwidthMbits(*frame, *fps, *cameras);
    if (!bandwidth)
        return false;
    rows.setCellText(row, kBandwidth, formatGeneral(*bandwidth, decimalSeparator));
    const auto days = number(kDays);
    const auto disk = days ? diskSpaceGB(*frame, *fps, *days, *cameras) : std::nullopt;
    if (!disk)
        return false; // the bandwidth just written stays
    rows.setCellText(row, kDiskSpace, formatGeneral(*disk, decimalSeparator));
    return true;
}

TotalTexts totalTexts(const TPlanRows& rows, QChar decimalSeparator) {
    const Totals t = computeTotals(rows, decimalSeparator);
    return {QString::number(t.fps), formatGeneral(t.bandwidth, decimalSeparator),
            formatGeneral(t.diskSpace, decimalSeparator)};
}

} // namespace vantrel
