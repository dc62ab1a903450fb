// Conditions under which saving fails or must take another road: a full
// filesystem (one that reserves room ahead of a write, one that cannot), a
// file-size limit, and another user's identity. Each undoes itself when it
// goes out of scope, also when the test fails.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
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

// A small ext2 filesystem on a loop device, mounted on a folder while this
// lives: a disk that cannot reserve room ahead of a write (no fallocate), as
// ext2, vfat and older network filesystems are. Needs root, mke2fs and a
// loop device.
class Ext2Mount {
public:
    Ext2Mount(const QString& folder, const QString& image, qint64 bytes = 1 << 20)
        : m_folder(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        QFile file(image);
        const QStringList sbin{"/usr/sbin", "/sbin"};
        QString mke2fs = QStandardPaths::findExecutable("mke2fs");
        if (mke2fs.isEmpty())
            mke2fs = QStandardPaths::findExecutable("mke2fs", sbin);
        QString mount = QStandardPaths::findExecutable("mount");
        if (mount.isEmpty())
            mount = QStandardPaths::findExecutable("mount", sbin);
        m_mounted = ::geteuid() == 0 && !mke2fs.isEmpty() && !mount.isEmpty() &&
                    file.open(QIODevice::WriteOnly) && file.resize(bytes) &&
                    quiet(mke2fs, {"-q", "-F", "-t", "ext2", "-m", "0", "-b", "1024", image}) &&
                    quiet(mount, {"-o", "loop", image, folder});
    }
    ~Ext2Mount() { // the loop device goes with the mount
        if (m_mounted && ::umount(m_folder.constData()) != 0)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    Ext2Mount(const Ext2Mount&) = delete;
    Ext2Mount& operator=(const Ext2Mount&) = delete;
    bool mounted() const { return m_mounted; }

private:
    static bool quiet(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }
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

// Keeps files from growing beyond a size while it lives, as prlimit --fsize
// does. A write beyond it fails with EFBIG, and raises SIGXFSZ, which kills a
// process that neither ignores nor catches it: the limit ignores it for the
// library's tests, and leaves it to the program's application object in the
// window's.
class FileSizeLimit {
public:
    enum Signal { IgnoreSignal, SignalAsTheProgramHasIt };
    explicit FileSizeLimit(rlim_t bytes, Signal signal = IgnoreSignal) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        if (signal == IgnoreSignal)
            m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        if (m_oldHandler != SIG_ERR)
            std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_ERR;
};

// Leaves the process only so much more address space while it lives, as a
// computer short of memory does: an allocation beyond it fails. Not under
// AddressSanitizer, which reserved its terabytes of shadow up front and
// cannot allocate under a limit.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(qint64 moreBytes) {
#if defined(__SANITIZE_ADDRESS__)
        return;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        return;
#endif
#endif
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &m_old) != 0)
            return;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmSize:")) {
                rlimit limit = m_old;
                limit.rlim_cur =
                    rlim_t(line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024) +
                    rlim_t(moreBytes);
                m_limited = setrlimit(RLIMIT_AS, &limit) == 0;
            }
    }
    ~AddressSpaceLimit() {
        if (m_limited)
            setrlimit(RLIMIT_AS, &m_old);
    }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;
    bool limited() const {
        return m_limited;
    }

private:
    rlimit m_old{};
    bool m_limited = false;
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
