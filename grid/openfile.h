// Reading a configuration file whole, without ever waiting.
#pragma once

#include <QByteArrayView>
#include <functional>

class QString;

namespace vantrel {

// Hands the bytes of a regular file, as many as it held when it was opened,
// to use(); they stay valid until use() returns. Anything else (a folder, a
// pipe, a socket, a device) is refused before it is opened: opening a pipe
// waits for a writer, and a device may never end. So is a file larger than
// the computer's memory, and one whose copy or rows run out of memory.
// Throws EError "Cannot open file "<full path>". <reason>"; what else use()
// throws passes through.
void readRegularFile(const QString& fileName, const std::function<void(QByteArrayView)>& use);

} // namespace vantrel
