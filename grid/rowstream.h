// The grid's binary row stream, the whole content of a configuration file:
// little-endian Int32 fields and length-prefixed 8-bit texts.
//
//   marker Int32 (-1: current layout; >= 0: older layout, and it is the row count)
//   row count Int32 (current layout only)
//   row record: header size Int32 (24 written), then the header:
//       image index, selected index, state index, user data, sub-row count,
//       text count (Int32 each; bytes past the first 24 ignored),
//     texts: length (Int32; one unsigned byte in the older layout), bytes,
//     then sub-row count row records.
#pragma once

#include "grid/gridrow.h"

class QIODevice;

namespace vantrel {

enum class RowStreamLayout { Current, Older };

inline constexpr qint32 kCurrentLayoutMarker = -1;
inline constexpr qint32 kRowHeaderSize = 24;
// The message of every failed write of a stream, also when a save fails.
inline constexpr char kStreamWriteError[] = "Stream write error";

// Writes the rows in the current layout. Throws EError("Stream write error").
void writeRowStream(QIODevice& device, const TGridRowList& rows);

// Reads a whole stream into new rows; bytes after its last row are ignored.
// The caller's rows are never touched, so a failed read changes nothing.
// Throws EError("Stream read error") on a short, truncated or impossible stream.
TGridRowList readRowStream(QByteArrayView bytes, RowStreamLayout* layout = nullptr);

} // namespace vantrel
