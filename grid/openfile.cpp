// Opening only regular files. POSIX calls, because QFile opens a pipe with a
// blocking open() and cannot tell what it opened without a second look by
// name, which may meanwhile name something else.
#include "grid/openfile.h"

#include "core/error.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

[[noreturn]] void cannotOpen(const QString& fileName, const QString& reason) {
    throw EError(QStringLiteral("Cannot open file \"%1\". %2")
                     .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

// Why an entry is no file to read rows from; empty for a regular file.
QString notAFile(const struct stat& st) {
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return qt_error_string(EISDIR);
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("Is a named pipe, not a file");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("Is a socket, not a file");
    return QStringLiteral("Is a device, not a file");
}

// Opens without waiting and checks what was opened; the descriptor, or an
// EError with the reason.
int openRegular(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        cannotOpen(fileName, qt_error_string(errno));
    if (const QString why = notAFile(st); !why.isEmpty())
        cannotOpen(fileName, why); // never opened: opening a device may act on it
    // Non-blocking, should the name have turned into a pipe since the look.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        cannotOpen(fileName, qt_error_string(errno));
    QString why = ::fstat(fd, &st) == 0 ? notAFile(st) : qt_error_string(errno);
    if (why.isEmpty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        why = qt_error_string(errno);
    if (!why.isEmpty()) {
        ::close(fd);
        cannotOpen(fileName, why);
    }
    return fd;
}

} // namespace

void readRegularFile(const QString& fileName, const std::function<void(QByteArrayView)>& use) {
    const int fd = openRegular(fileName);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cannotOpen(fileName, file.errorString());
    }
    // Copied, not mapped: a mapped file that another program cuts short while
    // it is read would kill the program, where a copy only ever reads a
    // stream that ends early.
    use(file.read(file.size()));
}

} // namespace vantrel
