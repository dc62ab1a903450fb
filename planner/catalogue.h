// The built-in camera catalogue: resolutions, compressions, the frame-size
// table and the values of a new row.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vantrel {

class TPlanRows;

inline constexpr int kCatalogueSize = 8;

QStringList resolutionTexts();  // "320x240 (QVGA)" ... "?"
QStringList compressionTexts(); // "H.264 (Good Quality)" ... "?"

// Proposed size of one frame in KB by resolution and compression number (1..8).
int frameSizeKB(int resolutionNo, int compressionNo);

struct NewRowValues {
    QString resolution;
    QString compression;
    int frameSize;
    int fps;
    int days;
    int cameras;
};
NewRowValues newRowValues();

// Position (from 1) of a text in a list, letter case ignored, spaces significant.
std::optional<int> catalogueNumber(const QStringList& items, const QString& text);

// The frame size for a resolution and a compression text, looked up through the
// rows' pick lists; nullopt when either text is in neither list.
std::optional<int> lookupFrameSize(const TPlanRows& rows, const QString& resolution,
                                   const QString& compression);

} // namespace vantrel
