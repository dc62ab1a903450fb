// Saving a file so that a failed or killed save never destroys the file it
// replaces.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace vantrel {

// Where the new content waits until it is complete, when it is written
// beside the old file: in an unnamed file, given its name only once it is
// complete, where the file system has such files; else, and always with
// Named, in a file with a temporary name.
enum class TemporaryFile { UnnamedWherePossible, Named };

// Creates the file, or replaces its content, with what writeContent writes.
//
// Beside: a regular file with one name, our own and writable, in a folder we
// may write, is written anew beside itself and renamed over the old one, so
// a failure leaves the old file byte for byte, and so does a kill, which
// leaves no other file either where the new content waits in an unnamed file.
//
// In place: any other regular file (a second name of the same file, another
// user's file, a file in a folder we may not write) must stay the file it
// is. Its new content is made in memory first; then the room for it is
// taken on the disk and checked against the file-size limit before a byte
// of the old content is touched, and on any failure after that the old
// bytes, kept in memory, are written back. A kill in the middle of the
// write leaves the old bytes with the new ones over their start.
//
// Anything that is no regular file (a pipe, a socket, a device, a folder) is
// refused without being opened.
//
// Throws EError "Cannot create file "<full path>". <reason>" when the file
// cannot be created or is no regular file, and EError "Stream write error"
// when a write, the room for it or the final flush to disk fails.
void saveFile(const QString& fileName, const std::function<void(QIODevice&)>& writeContent,
              TemporaryFile temporary = TemporaryFile::UnnamedWherePossible);

} // namespace vantrel
