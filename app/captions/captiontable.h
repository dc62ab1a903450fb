// The caption translation table: a control's name with ".Caption", and the
// Russian text it shows.
#pragma once

#include <QString>
#include <array>

namespace vantrel {

struct CaptionEntry {
    QString key;
    QString caption;
};

inline constexpr int kCaptionCount = 30;

// Searched from the first entry to the last.
const std::array<CaptionEntry, kCaptionCount>& captionTable();

// Controls the program has beyond the window's design: the grid's menu items.
const std::array<CaptionEntry, 3>& addedCaptionTable();

// Texts a screen reader speaks where the window shows none or only a sign:
// a control's name, a dot, and the name of the property that takes the text.
const std::array<CaptionEntry, 2>& accessibleTextTable();

} // namespace vantrel
