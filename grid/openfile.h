// Opening a configuration file for reading without ever waiting.
#pragma once

class QFile;
class QString;

namespace vantrel {

// Opens a regular file read-only into file. Anything else (a folder, a pipe,
// a socket, a device) is refused before it is opened: opening a pipe waits
// for a writer, and a device may never end.
// Throws EError "Cannot open file "<full path>". <reason>".
void openRegularFile(QFile& file, const QString& fileName);

} // namespace vantrel
