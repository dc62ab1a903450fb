// Opening only regular files. POSIX calls, because QFile opens a pipe with a
// blocking open() and cannot tell what it opened without a second look by
// name, which may meanwhile name something else.
#include "grid/openfile.h"

#include "core/error.h"
#include "grid/filekind.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/stat.h>
#include <sys/sysinfo.h>
#include <unistd.h>

namespace vantrel {

namespace {

[[noreturn]] void cannotOpen(const QString& fileName, const QString& reason) {
    throw EError(QStringLiteral("Cannot open file \"%1\". %2")
                     .arg(QFileInfo(fileName).absoluteFilePath(), reason));
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

// The most memory the program could ever have: the computer's memory and swap.
qint64 memoryOfThisComputer() {
    struct sysinfo info {};
    if (::sysinfo(&info) != 0)
        return std::numeric_limits<qint64>::max();
    return qint64(info.mem_unit) * qint64(info.totalram) +
           qint64(info.mem_unit) * qint64(info.totalswap);
}

} // namespace

void readRegularFile(const QString& fileName, const std::function<void(QByteArrayView)>& use) {
    const int fd = openRegular(fileName);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cannotOpen(fileName, file.errorString());
    }
    // Refused before anything is allocated: the copy alone could never fit.
    if (file.size() > memoryOfThisComputer())
        cannotOpen(fileName, QStringLiteral("Too large for the memory of this computer"));
    try {
        // Copied, not mapped: a mapped file that another program cuts short
        // while it is read would kill the program, where a copy only ever
        // reads a stream that ends early.
        use(file.read(file.size()));
    } catch (const std::bad_alloc&) {
        cannotOpen(fileName, QStringLiteral("Not enough memory to load it"));
    }
}

} // namespace vantrel
