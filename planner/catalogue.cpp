#include "planner/catalogue.h"

#include "planner/planrows.h"

namespace vantrel {

namespace {

// Data, not a formula: the VGA RAW entry is 770, against the pattern of the others.
constexpr std::array<std::array<int, kCatalogueSize>, kCatalogueSize> kFrameSizes{{
    {2, 2, 9, 10, 12, 15, 226, 0},
    {2, 3, 11, 13, 15, 19, 298, 0},
    {6, 8, 34, 39, 46, 58, 770, 0},
    {8, 11, 45, 51, 61, 77, 1189, 0},
    {14, 20, 80, 96, 130, 190, 3841, 0},
    {20, 27, 110, 139, 186, 278, 5626, 0},
    {31, 42, 170, 220, 290, 450, 9217, 0},
    {0, 0, 0, 0, 0, 0, 0, 0},
}};

} // namespace

QStringList resolutionTexts() {
    // The trailing space of the CIF entry is part of the text.
    return {"320x240 (QVGA)",     "352x288 (CIF PAL) ", "640x480 (VGA)",    "704x576 (4CIF PAL)",
            "1280x1024 (1.3 MP)", "1600x1200 (2 MP)",   "2048x1536 (3 MP)", "?"};
}

QStringList compressionTexts() {
    return {
        "H.264 (Good Quality)", "MPEG4 (Good Quality)", "MJPG-Very High (40)",  "MJPG-High (30)",
        "MJPG-Medium (20)",     "MJPG-Low (10)",        "RAW Data (no compr.)", "?"};
}

int frameSizeKB(int resolutionNo, int compressionNo) {
    if (resolutionNo < 1 || resolutionNo > kCatalogueSize || compressionNo < 1 ||
        compressionNo > kCatalogueSize)
        return 0;
    return kFrameSizes[std::size_t(resolutionNo - 1)][std::size_t(compressionNo - 1)];
}

NewRowValues newRowValues() {
    return {resolutionTexts()[2], compressionTexts()[4], frameSizeKB(3, 5), 10, 1, 1};
}

std::optional<int> catalogueNumber(const QStringList& items, const QString& text) {
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i].compare(text, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    return std::nullopt;
}

std::optional<int> lookupFrameSize(const TPlanRows& rows, const QString& resolution,
                                   const QString& compression) {
    const auto r = catalogueNumber(rows.pickList(kResolution), resolution);
    const auto c = catalogueNumber(rows.pickList(kCompression), compression);
    if (!r || !c)
        return std::nullopt;
    return frameSizeKB(*r, *c);
}

} // namespace vantrel
