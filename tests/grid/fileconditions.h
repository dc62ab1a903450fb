// Conditions under which saving fails or must take another road: a full
// filesystem, a file-size limit, and another user's identity. Each undoes
// itself when it goes out of scope, also when the test fails.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace vantrel::test {

// A small tmpfs of its own, mounted on a folder while this lives.
class TmpfsMount {
public:
    explicit TmpfsMount(const QString& folder, const char* options = "size=256k")
        : m_folder(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0;
    }
    ~TmpfsMount() {
        if (m_mounted && ::umount(m_folder.constData()) != 0)
            ::umount2(m_folder.constData(), MNT_DETACH); // still busy: let go when free
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// Fills the filesystem holding the folder until a write fails for want of space.
inline bool fillFilesystem(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder + "/filler").constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    ssize_t written;
    while ((written = ::write(fd, block.constData(), size_t(block.size()))) > 0) {
    }
    const bool full = written < 0 && errno == ENOSPC;
    // Page-sized writes can leave less than a page free: top up byte by byte.
    while (full && ::write(fd, "f", 1) == 1) {
    }
    ::close(fd);
    return full;
}

// Keeps files from growing beyond a size while it lives; a write beyond it
// fails with EFBIG instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Root passes every permission check, so a test of permissions runs its
// save as "nobody": the effective ids change, and come back to root after.
class ActAsNobody {
public:
    static constexpr uid_t kUid = 65534;
    static constexpr gid_t kGid = 65534;
    ActAsNobody() {
        if (::geteuid() != 0)
            return; // already an ordinary user: permissions apply as they are
        m_switched = ::setegid(kGid) == 0 && ::seteuid(kUid) == 0;
    }
    ~ActAsNobody() {
        if (m_switched) {
            ::seteuid(0);
            ::setegid(0);
        }
    }
    ActAsNobody(const ActAsNobody&) = delete;
    ActAsNobody& operator=(const ActAsNobody&) = delete;
    // True when permissions now apply to this process.
    bool ordinaryUser() const { return ::geteuid() != 0; }

private:
    bool m_switched = false;
};

} // namespace vantrel::test
