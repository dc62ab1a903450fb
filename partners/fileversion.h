// The file version the executable carries in a record of its own, and reading
// that record back from a file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace vantrel {

struct FileVersion {
    quint16 major = 0;
    quint16 minor = 0;
    quint16 release = 0;
    quint16 build = 0;
};

// The record as it lies in a file: a marker, the four numbers as 16-bit
// little-endian values and a 32-bit little-endian check of them.
QByteArray versionRecordBytes(const FileVersion& version);

// "a.b.c.d" from the first sound version record in the file; empty when the
// file cannot be read or carries none.
QString readFileVersionString(const QString& path);

// The running executable's own version; empty when it cannot be read.
QString GetVersionString();

} // namespace vantrel
