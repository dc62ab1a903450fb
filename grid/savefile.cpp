// Saving through a temporary file and a rename, or in place where a rename
// would lose something. POSIX calls, because Qt has no sound answer here:
// QSaveFile in Qt 6.4 renames a file into place after its buffered writes
// failed, ignores a failed fsync, and replaces a hard-linked, foreign-owned
// or special file by a new regular file; QFile knows no link count or fsync.
#include "grid/savefile.h"

#include "core/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vantrel {

namespace {

using WriteContent = std::function<void(QIODevice&)>;

[[noreturn]] void cannotCreate(const QString& fileName, int error) {
    throw EError(QStringLiteral("Cannot create file \"%1\". %2")
                     .arg(QFileInfo(fileName).absoluteFilePath(), qt_error_string(error)));
}

[[noreturn]] void writeError() {
    throw EError(QStringLiteral("Stream write error"));
}

// An open descriptor, closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }
    // Closes now; false when the close reports that written data was lost.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// A temporary file that is removed unless it was renamed into place.
class TemporaryName {
public:
    explicit TemporaryName(QByteArray path) : m_path(std::move(path)) {}
    ~TemporaryName() {
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    const char* path() const { return m_path.constData(); }
    void keep() { m_path.clear(); }

private:
    QByteArray m_path;
};

// Writes the content, brings it to the disk and closes; throws on any failure.
void writeAndClose(Descriptor& file, const WriteContent& writeContent) {
    {
        QFile out;
        // Unbuffered, so every write reaches the descriptor and a short one shows.
        if (!out.open(file.fd(), QIODevice::WriteOnly | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle))
            writeError();
        writeContent(out);
        if (out.error() != QFileDevice::NoError)
            writeError();
    }
    struct stat st {};
    const bool regular = ::fstat(file.fd(), &st) == 0 && S_ISREG(st.st_mode);
    if (regular && ::fsync(file.fd()) != 0) // a pipe or a device has nothing to sync
        writeError();
    if (!file.close())
        writeError();
}

// The path the bytes go to: the file itself, or the file a symbolic link names.
QByteArray targetPath(const QString& fileName) {
    const QFileInfo info(fileName);
    if (info.isSymLink() && info.exists())
        return QFile::encodeName(info.canonicalFilePath());
    return QFile::encodeName(info.absoluteFilePath());
}

// A rename puts a new file in the old one's place: only a regular file with
// one name, our own and writable by us, loses nothing by that.
bool replaceableByRename(const QByteArray& path, bool exists, const struct stat& old) {
    if (!exists)
        return true;
    return S_ISREG(old.st_mode) && old.st_nlink == 1 && old.st_uid == ::geteuid() &&
           ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

// A new file beside the target under a name no one uses; -1 and errno when
// the folder refuses it.
int createBeside(const QByteArray& path, QByteArray* temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd =
            ::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file takes the old one's group and mode (the group first: a
// change of group clears the set-group-ID bit).
bool takeOver(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if (now.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself survive a crash; a folder that cannot be synced
// still holds the new file, so a failure here is no failure of the save.
void syncFolderOf(const QByteArray& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// False, having changed nothing, when the folder will not take a new file
// or the new file cannot look like the old one: then the save goes in place.
bool saveByRename(const QString& fileName, const QByteArray& path, const struct stat* old,
                  const WriteContent& writeContent) {
    QByteArray temporaryPath;
    Descriptor file(createBeside(path, &temporaryPath));
    if (file.fd() < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == ENAMETOOLONG)
            return false;
        cannotCreate(fileName, error);
    }
    TemporaryName temporary(temporaryPath);
    if (old && !takeOver(file.fd(), *old))
        return false;
    writeAndClose(file, writeContent);
    if (::rename(temporary.path(), path.constData()) != 0)
        cannotCreate(fileName, errno);
    temporary.keep();
    syncFolderOf(path);
    return true;
}

void saveInPlace(const QString& fileName, const QByteArray& path,
                 const WriteContent& writeContent) {
    // Non-blocking: a pipe without a reader fails at once instead of waiting.
    Descriptor file(
        ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666));
    if (file.fd() < 0)
        cannotCreate(fileName, errno);
    // A pipe's reader is there, so writes may wait for it as usual.
    ::fcntl(file.fd(), F_SETFL, ::fcntl(file.fd(), F_GETFL) & ~O_NONBLOCK);
    writeAndClose(file, writeContent);
}

} // namespace

void saveFile(const QString& fileName, const WriteContent& writeContent) {
    const QByteArray path = targetPath(fileName);
    struct stat old {};
    const bool exists = ::lstat(path.constData(), &old) == 0;
    if (replaceableByRename(path, exists, old) &&
        saveByRename(fileName, path, exists ? &old : nullptr, writeContent))
        return;
    saveInPlace(fileName, path, writeContent);
}

} // namespace vantrel
