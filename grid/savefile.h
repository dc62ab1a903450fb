// Saving a file so that a failed save never destroys the file it replaces.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace vantrel {

// Creates the file, or replaces its content, with what writeContent writes.
// A regular file with one name, our own and writable, in a folder we may
// write, is written anew beside itself and renamed over the old one, so a
// failure leaves the old file byte for byte. Any other file (a second name
// of the same file, another user's file, a pipe, a file in a folder we may
// not write) is emptied and written in place, so it stays what it was.
// Throws EError "Cannot create file "<full path>". <reason>" when the file
// cannot be created or emptied, and EError "Stream write error" when a write
// or the final flush to disk fails.
void saveFile(const QString& fileName, const std::function<void(QIODevice&)>& writeContent);

} // namespace vantrel
