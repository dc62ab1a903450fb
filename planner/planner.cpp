#include "planner/planner.h"

#include "core/numbers.h"
#include "grid/plangrid.h"
#include "planner/catalogue.h"
#include "platform/platform.h"

namespace vantrel {

namespace {

void writeFrameSizeFor(TPlanGrid& grid, TGridRow* row, const QString& resolution,
                       const QString& compression) {
    // A text in neither list (only a loaded row has one) keeps the old size.
    if (const auto size = LookupFrameSize(grid, resolution, compression))
        grid.SetCellValue(row, kFrameSize, *size);
}

} // namespace

void addCameraType(TPlanGrid& grid) {
    TGridRow* row = grid.AddRow();
    const NewRowValues v = newRowValues();
    grid.SetCellValue(row, kResolution, v.resolution);
    grid.SetCellValue(row, kCompression, v.compression);
    grid.SetCellValue(row, kFrameSize, v.frameSize);
    grid.SetCellValue(row, kFps, v.fps);
    grid.SetCellValue(row, kDays, v.days);
    grid.SetCellValue(row, kCameras, v.cameras);
    grid.FocusRow(row);
}

void removeFocusedCameraType(TPlanGrid& grid) {
    if (TGridRow* row = grid.FocusedRow())
        grid.DeleteRow(row);
}

void applyResolutionChange(TPlanGrid& grid) {
    TGridRow* row = grid.FocusedRow();
    if (!row)
        return;
    const QString resolution = grid.EditorText();
    grid.SetCellValue(row, kResolution, resolution);
    writeFrameSizeFor(grid, row, resolution, grid.GetCellText(row, kCompression));
}

void applyCompressionChange(TPlanGrid& grid) {
    TGridRow* row = grid.FocusedRow();
    if (!row)
        return;
    const QString compression = grid.EditorText();
    const QString resolution = grid.GetCellText(row, kResolution);
    grid.SetCellValue(row, kCompression, compression);
    writeFrameSizeFor(grid, row, resolution, compression);
}

void applyFrameSizeChange(TPlanGrid& grid) {
    TGridRow* row = grid.FocusedRow();
    if (!row)
        return;
    // A typed size no longer belongs to a catalogue combination.
    grid.SetCellValue(row, kResolution, QStringLiteral("?"));
    grid.SetCellValue(row, kCompression, QStringLiteral("?"));
    grid.SetCellValue(row, kFrameSize, readInt32Or(grid.EditorText(), 0));
}

void applyCountChange(TPlanGrid& grid, const TGridColumn* sender) {
    const qint32 value = readInt32Or(grid.EditorText(), 0);
    const int cell = grid.ColumnIndex(sender);
    if (TGridRow* row = grid.FocusedRow(); row && cell >= 0)
        grid.SetCellValue(row, cell, value);
}

bool recalcFocusedRowCells(TPlanGrid& grid) {
    TGridRow* row = grid.FocusedRow();
    if (!row)
        return false;
    const QLocale locale;
    const auto number = [&](int cell) { return cellNumber(grid.GetCellText(row, cell), locale); };
    const auto frame = number(kFrameSize), fps = number(kFps), cameras = number(kCameras);
    if (!frame || !fps || !cameras)
        return false;
    const auto bandwidth = bandwidthMbits(*frame, *fps, *cameras);
    if (!bandwidth)
        return false;
    grid.SetCellValue(row, kBandwidth, *bandwidth);
    const auto days = number(kDays);
    const auto disk = days ? diskSpaceGB(*frame, *fps, *days, *cameras) : std::nullopt;
    if (!disk)
        return false; // the bandwidth just written stays
    grid.SetCellValue(row, kDiskSpace, *disk);
    return true;
}

TotalTexts totalTexts(const TPlanGrid& grid) {
    const QChar separator = platform().decimalSeparator();
    const Totals t = computeTotals(grid.rows(), separator);
    return {QString::number(t.fps), formatGeneral(t.bandwidth, separator),
            formatGeneral(t.diskSpace, separator)};
}

} // namespace vantrel
