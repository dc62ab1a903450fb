// What kind of folder entry a name stands for, in the words both file
// commands give when they refuse one.
#pragma once

#include <QString>
#include <cerrno>
#include <sys/stat.h>

namespace vantrel {

// Why an entry is no file to keep rows in; empty for a regular file.
inline QString notAFile(const struct stat& st) {
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return qt_error_string(EISDIR);
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("Is a named pipe, not a file");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("Is a socket, not a file");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("Is a device, not a file");
    return QStringLiteral("Is not a regular file");
}

} // namespace vantrel
