// Saving beside the old file and renaming, or in place where a rename would
// lose something. POSIX and Linux calls, because Qt has no sound answer here:
// QSaveFile in Qt 6.4 renames a file into place after its buffered writes
// failed, ignores a failed fsync, leaves its temporary file behind when the
// program is killed, and replaces a hard-linked, foreign-owned or special
// file by a new regular file; QFile knows no link count, fsync, unnamed file
// or reservation of disk space.
#include "grid/savefile.h"

#include "core/error.h"
#include "grid/filekind.h"
#include "grid/rowstream.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <new>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vantrel {

namespace {

using WriteContent = std::function<void(QIODevice&)>;

[[noreturn]] void cannotCreate(const QString& fileName, const QString& reason) {
    throw EError(QStringLiteral("Cannot create file \"%1\". %2")
                     .arg(QFileInfo(fileName).absoluteFilePath(), reason));
}

[[noreturn]] void cannotCreate(const QString& fileName, int error) {
    cannotCreate(fileName, qt_error_string(error));
}

[[noreturn]] void writeError() {
    throw EError(QString::fromLatin1(kStreamWriteError));
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

// A name that is removed unless the file was renamed into place.
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

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The path the bytes go to: the name itself, or the end of the chain of
// symbolic links it starts, which need not exist yet.
QByteArray targetPath(const QString& fileName) {
    QByteArray path = QFile::encodeName(QFileInfo(fileName).absoluteFilePath());
    for (int links = 0; links <= 40; ++links) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return path; // refused below as no regular file
        target.truncate(length);
        path = target.startsWith('/') ? target : joined(folderOf(path), target);
    }
    cannotCreate(fileName, ELOOP);
}

// All the bytes at the offset; false, with errno, when a write fails.
bool writeAt(int fd, QByteArrayView bytes, qint64 offset) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), size_t(bytes.size()), off_t(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes = bytes.sliced(written);
        offset += written;
    }
    return true;
}

// Writes the content through the descriptor and brings it to the disk;
// throws on any failure.
void writeAndSync(int fd, const WriteContent& writeContent) {
    {
        QFile out;
        // Unbuffered, so every write reaches the descriptor and a short one shows.
        if (!out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle))
            writeError();
        writeContent(out);
        if (out.error() != QFileDevice::NoError)
            writeError();
    }
    if (::fsync(fd) != 0)
        writeError();
}

// A rename puts a new file in the old one's place: only a regular file with
// one name, our own and writable by us, loses nothing by that.
bool replaceableByRename(const QByteArray& path, const struct stat& old) {
    return S_ISREG(old.st_mode) && old.st_nlink == 1 && old.st_uid == ::geteuid() &&
           ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

// A name beside the file that no one is likely to use, cut to fit the folder
// however long the file's own name is.
QByteArray nameBeside(const QByteArray& path) {
    const QByteArray folder = folderOf(path);
    const QByteArray suffix =
        '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (longest <= 0)
        longest = NAME_MAX;
    QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    name.truncate(std::max<qsizetype>(1, qsizetype(longest) - suffix.size()));
    return joined(folder, name + suffix);
}

// A new file beside the target under a name no one uses; -1 and errno when
// the folder refuses it.
int createNamed(const QByteArray& path, QByteArray* temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = nameBeside(path);
        const int fd =
            ::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives an unnamed file a name; false, with errno, when the name is taken or
// refused.
bool giveName(int fd, const QByteArray& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
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

// Makes the new name itself survive a crash; a folder that cannot be synced
// still holds the new file, so a failure here is no failure of the save.
void syncFolderOf(const QByteArray& path) {
    const int fd = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Renames the complete file, open on the descriptor and named temporary,
// over the target.
void renameIntoPlace(const QString& fileName, const QByteArray& path, Descriptor& file,
                     TemporaryName& temporary) {
    if (!file.close())
        writeError();
    if (::rename(temporary.path(), path.constData()) != 0)
        cannotCreate(fileName, errno);
    temporary.keep();
    syncFolderOf(path);
}

// Names the complete unnamed file: the target's name where there was no file,
// else a temporary name that is renamed over the old file at once, so that
// only a kill between those two calls leaves the new file beside the old.
void nameUnnamedFile(const QString& fileName, const QByteArray& path, bool replacing,
                     Descriptor& file) {
    if (!replacing) {
        if (giveName(file.fd(), path)) {
            if (!file.close()) {
                ::unlink(path.constData());
                writeError();
            }
            syncFolderOf(path);
            return;
        }
        if (errno != EEXIST)
            cannotCreate(fileName, errno);
        // A file of that name came meanwhile: it is replaced as an old one is.
    }
    QByteArray temporary;
    for (int attempt = 0; !giveName(file.fd(), temporary = nameBeside(path)); ++attempt)
        if (errno != EEXIST || attempt == 99)
            cannotCreate(fileName, errno);
    if (::rename(temporary.constData(), path.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        cannotCreate(fileName, error);
    }
    syncFolderOf(path);
    if (!file.close()) // after fsync, only a network file system might say so
        writeError();
}

// Writes the new content beside the old file and puts it in the old one's
// place. False, having changed nothing, when the folder will not take a new
// file or the new file cannot look like the old one: then the save goes in
// place.
bool saveBeside(const QString& fileName, const QByteArray& path, const struct stat* old,
                const WriteContent& writeContent, TemporaryFile temporary) {
    // An unnamed file vanishes with the program until it is given its name,
    // which is linked through /proc.
    if (temporary == TemporaryFile::UnnamedWherePossible && ::access("/proc/self/fd", F_OK) == 0) {
        Descriptor file(::open(folderOf(path).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (file.fd() >= 0) {
            if (old && !takeOver(file.fd(), *old))
                return false;
            writeAndSync(file.fd(), writeContent);
            nameUnnamedFile(fileName, path, old != nullptr, file);
            return true;
        }
        if (errno == EACCES || errno == EPERM)
            return false;
        // Without unnamed files (EISDIR before Linux 3.11) a named one serves.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            cannotCreate(fileName, errno);
    }
    QByteArray temporaryPath;
    Descriptor file(createNamed(path, &temporaryPath));
    if (file.fd() < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == ENAMETOOLONG)
            return false;
        cannotCreate(fileName, error);
    }
    TemporaryName temporaryName(temporaryPath);
    if (old && !takeOver(file.fd(), *old))
        return false;
    writeAndSync(file.fd(), writeContent);
    renameIntoPlace(fileName, path, file, temporaryName);
    return true;
}

// The whole new content, made before the old file is touched.
QByteArray contentInMemory(const QString& fileName, const WriteContent& writeContent) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    try {
        writeContent(buffer);
    } catch (const std::bad_alloc&) {
        cannotCreate(fileName, ENOMEM);
    }
    return bytes;
}

bool beyondFileSizeLimit(qint64 size) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           rlim_t(size) > limit.rlim_cur;
}

// The old content, read whole; nullopt, with errno, when a read fails.
std::optional<QByteArray> readWhole(int fd, qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // cut short meanwhile: what is there is the old content
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

// Puts the old bytes back over whatever of them the new ones may have
// replaced, and gives the file its old size again. Without the old bytes
// (a file we may write but not read) only the size comes back.
void putBack(int fd, const std::optional<QByteArray>& old, qint64 oldSize, qint64 newSize) {
    if (old) {
        oldSize = old->size();
        struct stat now {};
        const bool cut = ::fstat(fd, &now) == 0 && now.st_size < oldSize;
        // Beyond the new bytes only where the file was already cut to their size.
        writeAt(fd, QByteArrayView(*old).first(cut ? oldSize : std::min(oldSize, newSize)), 0);
    }
    ::ftruncate(fd, off_t(oldSize));
    ::fsync(fd);
}

// Rewrites the file itself, so that it stays the file it is: the old bytes
// are kept in memory and the room for the new ones taken before any of them
// is touched, and any failure after that writes them back.
void saveInPlace(const QString& fileName, const QByteArray& path,
                 const WriteContent& writeContent) {
    const QByteArray content = contentInMemory(fileName, writeContent);
    // Non-blocking, should the name have turned into a pipe since the look.
    const int how = O_CREAT | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(path.constData(), O_RDWR | how, 0666);
    const bool readable = fd >= 0;
    if (fd < 0 && errno == EACCES) // a file we may write but not read
        fd = ::open(path.constData(), O_WRONLY | how, 0666);
    Descriptor file(fd);
    if (file.fd() < 0)
        cannotCreate(fileName, errno);
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0)
        cannotCreate(fileName, errno);
    if (const QString why = notAFile(st); !why.isEmpty())
        cannotCreate(fileName, why);
    // A write beyond the limit would fail half done (or kill a program that
    // does not ignore SIGXFSZ).
    if (beyondFileSizeLimit(content.size()))
        writeError();
    const qint64 oldSize = st.st_size;
    std::optional<QByteArray> old;
    if (readable) {
        try {
            old = readWhole(file.fd(), oldSize);
        } catch (const std::bad_alloc&) {
            cannotCreate(fileName, ENOMEM);
        }
        if (!old)
            cannotCreate(fileName, errno);
    }
    // The room first, over the larger of the two sizes: a full disk or a
    // quota then fails here, with the old content untouched. A file system
    // that cannot reserve room relies on the old bytes coming back.
    const qint64 room = std::max<qint64>(content.size(), oldSize);
    if (room > 0 && ::fallocate(file.fd(), 0, 0, off_t(room)) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS) {
        struct stat now {};
        if (::fstat(file.fd(), &now) == 0 && now.st_size != oldSize)
            ::ftruncate(file.fd(), off_t(oldSize)); // what room was taken goes again
        writeError();
    }
    if (!writeAt(file.fd(), content, 0) || ::ftruncate(file.fd(), off_t(content.size())) != 0 ||
        ::fsync(file.fd()) != 0) {
        putBack(file.fd(), old, oldSize, content.size());
        writeError();
    }
    if (!file.close())
        writeError();
}

} // namespace

void saveFile(const QString& fileName, const WriteContent& writeContent, TemporaryFile temporary) {
    const QByteArray path = targetPath(fileName);
    struct stat old {};
    const bool exists = ::lstat(path.constData(), &old) == 0;
    // A pipe may freeze the window or kill the program, a device may act on
    // what it is sent: what is no regular file is never opened.
    if (exists)
        if (const QString why = notAFile(old); !why.isEmpty())
            cannotCreate(fileName, why);
    if ((!exists || replaceableByRename(path, old)) &&
        saveBeside(fileName, path, exists ? &old : nullptr, writeContent, temporary))
        return;
    saveInPlace(fileName, path, writeContent);
}

} // namespace vantrel
