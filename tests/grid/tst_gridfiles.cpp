// The grid's rows on real files: entries that are refused, and the rows and
// files that survive every failed or killed save. The bytes of the stream are
// the row stream's tests' to check.
#include "core/error.h"
#include "grid/plangrid.h"
#include "grid/savefile.h"
#include "tests/grid/fileconditions.h"
#include "tests/grid/plannergrid.h"
#include "tests/grid/streambytes.h"
#include "tests/support/deadline.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/modalwatchdog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantrel;
using vantrel::test::PlannerGrid;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// The error of a file operation on an entry that could block it for good (a
// named pipe): should it block, the test run ends within seconds.
QString errorWithoutBlocking(const std::function<void()>& action) {
    const test::Deadline deadline(std::chrono::seconds(10), "a file operation blocked");
    return errorOf(action);
}

// A folder entry of the given kind that is no regular file; returns the
// descriptor to close afterwards (a bound socket), or -1.
int makeSpecialFile(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == "folder")
        QDir().mkdir(path);
    else if (kind == "pipe")
        ::mkfifo(name.constData(), 0600);
    else if (kind == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        return fd;
    }
    return -1;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Runs a save in a child process and kills it after the delay, or lets it
// finish when the delay is negative; how long the child ran.
qint64 saveInAChild(const QString& target, const std::function<void(QIODevice&)>& content,
                    qint64 killAfterNs) {
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            saveFile(target, content);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    if (child > 0 && killAfterNs >= 0) {
        const timespec delay{time_t(killAfterNs / 1000000000), long(killAfterNs % 1000000000)};
        ::nanosleep(&delay, nullptr);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return timer.nsecsElapsed();
}

} // namespace

class TestGridFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void missingFileCannotBeOpened();
    void notARegularFileIsRefusedAtOnce_data();
    void notARegularFileIsRefusedAtOnce();
    void fileThatCannotBeCreated();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
    void killedSaveLeavesTheOldOrTheNewFileAndNothingElse_data();
    void killedSaveLeavesTheOldOrTheNewFileAndNothingElse();
    void savingKeepsLinksModeAndOwner();
    void whatIsNoRegularFileIsNeverOpenedForSaving_data();
    void whatIsNoRegularFileIsNeverOpenedForSaving();
    void savingWhereOnlyTheFileIsWritable();

private:
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    std::unique_ptr<PlannerGrid> m_g;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestGridFiles::init() {
    m_platform = std::make_unique<test::FakePlatform>();
    m_watchdog = std::make_unique<test::ModalWatchdog>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_g = std::make_unique<PlannerGrid>(*m_platform);
}

void TestGridFiles::cleanup() {
    m_g.reset();
    m_dir.reset();
    QCOMPARE(m_watchdog->unexpectedBoxes(), 0);
    m_watchdog.reset();
    m_platform.reset();
}

void TestGridFiles::notARegularFileIsRefusedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe without a writer") << "pipe"
                                                 << "Is a named pipe, not a file";
    QTest::newRow("socket") << "socket"
                            << "Is a socket, not a file";
    QTest::newRow("folder") << "folder" << qt_error_string(EISDIR); // the system's words
    QTest::newRow("endless device") << "/dev/zero"
                                    << "Is a device, not a file";
}

void TestGridFiles::notARegularFileIsRefusedAtOnce() {
    // Opening a pipe for reading waits for a writer, and a device may never
    // end: either would freeze the window with the rows unsaved.
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TPlanGrid& grid = *m_g->grid;
    TGridRow* kept = m_g->addDefaultRow();
    const QString target = kind.startsWith('/') ? kind : path("plan.ip");
    const int socket = makeSpecialFile(kind, target);
    const QString message = errorWithoutBlocking([&] { grid.ReadRowsFromFile(target); });
    if (socket >= 0)
        ::close(socket);
    QCOMPARE(message, QStringLiteral("Cannot open file \"%1\". %2").arg(target, reason));
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.RowAt(0), kept);
}

void TestGridFiles::missingFileCannotBeOpened() {
    TPlanGrid& grid = *m_g->grid;
    TGridRow* kept = m_g->addDefaultRow();
    const QString missing = path("no such file.ip");
    QCOMPARE(errorOf([&] { grid.ReadRowsFromFile(missing); }),
             QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    QCOMPARE(grid.RowAt(0), kept);
    QCOMPARE(grid.RowCount(), 1);
    // A relative name is reported with its full path.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const QString message = errorOf([&] { grid.ReadRowsFromFile("relative.ip"); });
    QDir::setCurrent(cwd);
    QCOMPARE(message, QStringLiteral("Cannot open file \"%1\". No such file or directory")
                          .arg(path("relative.ip")));
}

void TestGridFiles::fileThatCannotBeCreated() {
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const QString target = path("missing folder/config.ip");
    const QString message = errorOf([&] { grid.WriteRowsToFile(target); });
    QVERIFY2(message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(target)),
             qPrintable(message));
    QVERIFY2(message.size() > QStringLiteral("Cannot create file \"%1\". ").arg(target).size(),
             qPrintable(message)); // the system's description follows
    QVERIFY(!QFile::exists(target));
    QCOMPARE(grid.RowCount(), 1);
}

void TestGridFiles::failedSaveKeepsThePreviousFile_data() {
    // The road a save takes: "beside" writes a new file and renames it over
    // the old one (through an unnamed file, or a named one where the file
    // system has no unnamed files); the others must keep the file itself and
    // rewrite it in place. The disk: tmpfs reserves room ahead of a write,
    // ext2 cannot, so there the old bytes must be written back.
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("disk");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("fullDisk"); // else a file-size limit below the new file's size
    const auto add = [](const char* road, const char* disk, int rows, bool fullDisk) {
        QTest::addRow("%s, %s, %d rows, %s", road, disk, rows,
                      fullDisk ? "full disk" : "file-size limit")
            << QString(road) << QString(disk) << rows << fullDisk;
    };
    for (int rows : {1, 12, 100, 1000})
        for (bool fullDisk : {true, false})
            add("beside", "tmpfs", rows, fullDisk);
    for (const char* road : {"beside, named", "hard link", "another user's file", "folder not ours",
                             "write-only file", "long name"})
        for (bool fullDisk : {true, false})
            add(road, "tmpfs", 1000, fullDisk);
    for (const char* road : {"beside", "hard link", "folder not ours"})
        add(road, "ext2", 1000, true);
}

void TestGridFiles::failedSaveKeepsThePreviousFile() {
    QFETCH(QString, road);
    QFETCH(QString, disk);
    QFETCH(int, rows);
    QFETCH(bool, fullDisk);
    const QString folder = path("disk");
    std::optional<test::TmpfsMount> tmpfs;
    std::optional<test::Ext2Mount> ext2;
    if (disk == "tmpfs" && !tmpfs.emplace(folder).mounted())
        QSKIP("mounting a small tmpfs needs root (CAP_SYS_ADMIN)");
    if (disk == "ext2" && !ext2.emplace(folder, path("disk.img")).mounted())
        QSKIP("mounting a small ext2 disk needs root, mke2fs and a loop device");
    const bool asNobody = road == "folder not ours" || road == "write-only file";
    const QString target =
        folder + '/' + (road == "long name" ? QString(247, 'l') : "plan") + ".ip";
    // Over two pages: written in place, the first of the new bytes find room
    // where the old ones were, before the disk is full.
    const QByteArray previous(9000, 'p');
    writeFile(target, previous);
    const QByteArray name = QFile::encodeName(target);
    if (road == "hard link")
        QCOMPARE(::link(name, QFile::encodeName(folder + "/twin.ip")), 0);
    if (road == "another user's file" || asNobody)
        QCOMPARE(::chown(name, test::ActAsNobody::kUid, test::ActAsNobody::kGid), 0);
    if (road == "write-only file")
        QCOMPARE(::chmod(name, 0200), 0);
    // A folder of root's that nobody may write, on a way nobody may walk.
    QCOMPARE(::chmod(QFile::encodeName(folder), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(m_dir->path()), 0755), 0);
    struct stat was {};
    QCOMPARE(::stat(name, &was), 0);

    TPlanGrid& grid = *m_g->grid;
    for (int r = 0; r < rows; ++r)
        m_g->addDefaultRow();
    const qint64 newSize = 8 + qint64(rows) * 113;
    const auto save = [&] {
        std::optional<test::ActAsNobody> nobody;
        if (asNobody && !nobody.emplace().ordinaryUser())
            return QStringLiteral("<not as nobody>");
        return errorOf([&] {
            saveFile(
                target, [&](QIODevice& device) { grid.WriteRows(device); },
                road == "beside, named" ? TemporaryFile::Named
                                        : TemporaryFile::UnnamedWherePossible);
        });
    };
    QString message;
    QStringList names;
    if (fullDisk) {
        QVERIFY(test::fillFilesystem(folder));
        names = entries(folder);
        message = save();
    } else {
        names = entries(folder);
        test::FileSizeLimit limit(rlim_t(newSize / 2));
        message = save();
    }
    QCOMPARE(message, QStringLiteral("Stream write error"));
    QCOMPARE(fileBytes(target), previous);
    if (road == "hard link")
        QCOMPARE(fileBytes(folder + "/twin.ip"), previous);
    struct stat now {};
    QCOMPARE(::stat(name, &now), 0);
    QCOMPARE(now.st_ino, was.st_ino);
    QCOMPARE(now.st_uid, was.st_uid);
    QCOMPARE(now.st_mode, was.st_mode);
    QCOMPARE(entries(folder), names); // no temporary file left behind
    // With room again the same save succeeds: the failure was the disk's.
    QVERIFY(QFile::remove(folder + "/filler") || !fullDisk);
    QCOMPARE(save(), QStringLiteral("<no error>"));
    QCOMPARE(fileBytes(target).size(), newSize);
    if (road == "hard link")
        QCOMPARE(fileBytes(folder + "/twin.ip").size(), newSize);
}

void TestGridFiles::killedSaveLeavesTheOldOrTheNewFileAndNothingElse_data() {
    QTest::addColumn<bool>("replacing");
    QTest::newRow("over an old file") << true;
    QTest::newRow("a new file") << false;
}

void TestGridFiles::killedSaveLeavesTheOldOrTheNewFileAndNothingElse() {
    // A kill at any moment of a save, spread over the time a whole save
    // takes, leaves the old file or the new one, and no other.
    QFETCH(bool, replacing);
    const QString folder = path("disk");
    test::TmpfsMount disk(folder, "size=64m"); // where it can, spares the real disk
    const int probe = ::open(QFile::encodeName(folder), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (probe < 0)
        QSKIP("no unnamed files on this file system: a killed save leaves its temporary name");
    ::close(probe);
    const QString target = folder + "/plan.ip";
    const QByteArray oldBytes(12 << 20, 'o');
    const QByteArray chunk(1 << 20, 'n');
    const int chunks = 16;
    const auto content = [&](QIODevice& device) {
        for (int i = 0; i < chunks; ++i)
            if (device.write(chunk) != chunk.size())
                throw EError("Stream write error");
    };
    const QByteArray newBytes = chunk.repeated(chunks);
    const auto reset = [&] {
        for (const QString& name : entries(folder))
            QFile::remove(folder + '/' + name);
        if (replacing)
            writeFile(target, oldBytes);
    };
    reset();
    const qint64 whole = saveInAChild(target, content, -1);
    QVERIFY(fileBytes(target) == newBytes);
    const int kills = 13;
    int cutShort = 0;
    for (int i = 0; i < kills; ++i) {
        reset();
        saveInAChild(target, content, whole * (2 * i + 1) / (2 * kills));
        const QStringList left = entries(folder);
        const QByteArray now = fileBytes(target);
        const bool isOld = replacing ? now == oldBytes : now == "<missing>";
        QVERIFY2(now == newBytes || isOld,
                 qPrintable(QStringLiteral("kill %1: %2 bytes").arg(i).arg(now.size())));
        // Linux has no call that links a file over another: a kill in the
        // microseconds between the link to a temporary name and the rename
        // leaves the complete new file under that name, the old one in place.
        const bool betweenLinkAndRename = replacing && isOld && left.size() == 2 &&
                                          left[0] == "plan.ip" &&
                                          fileBytes(folder + '/' + left[1]) == newBytes;
        QVERIFY2(left == (isOld && !replacing ? QStringList() : QStringList({"plan.ip"})) ||
                     betweenLinkAndRename,
                 qPrintable(QStringLiteral("kill %1 left %2").arg(i).arg(left.join(", "))));
        cutShort += isOld;
    }
    QVERIFY2(cutShort > 0, "no kill came before the save was done");
}

void TestGridFiles::savingKeepsLinksModeAndOwner() {
    m_platform->separator = u'.'; // the worked example's
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const QByteArray saved = test::workedExampleBytes();
    // A second name of the same file sees the new rows.
    writeFile(path("plan.ip"), "old");
    QCOMPARE(::link(QFile::encodeName(path("plan.ip")), QFile::encodeName(path("twin.ip"))), 0);
    grid.WriteRowsToFile(path("plan.ip"));
    QCOMPARE(fileBytes(path("twin.ip")), saved);
    // A symbolic link stays a link, and its target gets the rows.
    QVERIFY(QFile::link(path("plan.ip"), path("link.ip")));
    writeFile(path("plan.ip"), "old");
    grid.WriteRowsToFile(path("link.ip"));
    QVERIFY(QFileInfo(path("link.ip")).isSymLink());
    QCOMPARE(fileBytes(path("plan.ip")), saved);
    // A link to a name not yet taken, by a chain of two, makes the file there.
    QVERIFY(QFile::link("made.ip", path("dangling.ip")));
    QVERIFY(QFile::link("dangling.ip", path("chain.ip")));
    grid.WriteRowsToFile(path("chain.ip"));
    QVERIFY(QFileInfo(path("chain.ip")).isSymLink());
    QCOMPARE(fileBytes(path("made.ip")), saved);
    // The mode stays, and a new file takes the usual one.
    writeFile(path("mode.ip"), "old");
    QCOMPARE(::chmod(QFile::encodeName(path("mode.ip")), 0604), 0);
    grid.WriteRowsToFile(path("mode.ip"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path("mode.ip")), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0604));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    grid.WriteRowsToFile(path("new.ip"));
    QCOMPARE(::stat(QFile::encodeName(path("new.ip")), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0666 & ~mask));
    // Another user's file stays theirs.
    if (::geteuid() == 0) {
        writeFile(path("theirs.ip"), "old");
        QCOMPARE(::chown(QFile::encodeName(path("theirs.ip")), test::ActAsNobody::kUid,
                         test::ActAsNobody::kGid),
                 0);
        grid.WriteRowsToFile(path("theirs.ip"));
        QCOMPARE(::stat(QFile::encodeName(path("theirs.ip")), &st), 0);
        QCOMPARE(st.st_uid, test::ActAsNobody::kUid);
        QCOMPARE(fileBytes(path("theirs.ip")), saved);
    }
    QStringList expected{"chain.ip", "dangling.ip", "link.ip", "made.ip",
                         "mode.ip",  "new.ip",      "plan.ip", "twin.ip"};
    if (::geteuid() == 0)
        expected.insert(7, "theirs.ip");
    QCOMPARE(entries(m_dir->path()), expected); // and no temporary file stays
    // A chain of links loads as the file it ends at.
    grid.ClearRows();
    grid.ReadRowsFromFile(path("chain.ip"));
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.GetCellText(grid.RowAt(0), 1), QStringLiteral("MJPG-Medium (20)"));
}

void TestGridFiles::whatIsNoRegularFileIsNeverOpenedForSaving_data() {
    // A pipe whose reader never reads froze the window, one whose reader left
    // early killed the program; a device may act on what it is sent.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe without a reader") << "pipe"
                                                 << "Is a named pipe, not a file";
    QTest::newRow("named pipe with a reader") << "read pipe"
                                              << "Is a named pipe, not a file";
    QTest::newRow("symbolic link to a named pipe") << "link to pipe"
                                                   << "Is a named pipe, not a file";
    QTest::newRow("socket") << "socket"
                            << "Is a socket, not a file";
    QTest::newRow("folder") << "folder" << qt_error_string(EISDIR); // the system's words
    QTest::newRow("device") << "/dev/null"
                            << "Is a device, not a file";
}

void TestGridFiles::whatIsNoRegularFileIsNeverOpenedForSaving() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const bool device = kind.startsWith('/');
    const QString entry = device ? kind : path("plan.ip");
    const int socket = makeSpecialFile(kind.endsWith("pipe") ? "pipe" : kind, entry);
    const QByteArray name = QFile::encodeName(entry);
    const QString target = kind == "link to pipe" ? path("link.ip") : entry;
    if (kind == "link to pipe")
        QVERIFY(QFile::link(entry, target));
    const int reader = kind == "read pipe" ? ::open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    // Whoever else opens the system's device, ours must not.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(device || ::inotify_add_watch(watch, name, IN_OPEN | IN_MODIFY) >= 0);
    struct stat was {};
    QCOMPARE(::lstat(name, &was), 0);

    const QString message = errorWithoutBlocking([&] { grid.WriteRowsToFile(target); });

    char event[4096];
    const ssize_t events = ::read(watch, event, sizeof event);
    char got[256];
    const ssize_t delivered = reader >= 0 ? ::read(reader, got, sizeof got) : 0;
    for (int fd : {watch, reader, socket})
        if (fd >= 0)
            ::close(fd);
    QCOMPARE(message, QStringLiteral("Cannot create file \"%1\". %2").arg(target, reason));
    QVERIFY2(events < 0, "the entry was opened");
    QVERIFY(delivered <= 0);
    struct stat now {};
    QCOMPARE(::lstat(name, &now), 0);
    QCOMPARE(now.st_mode, was.st_mode);
    QCOMPARE(now.st_ino, was.st_ino);
}

void TestGridFiles::savingWhereOnlyTheFileIsWritable() {
    m_platform->separator = u'.'; // the worked example's
    // The folder is the owner's; the file is the user's to write. Saving must
    // empty and rewrite the file, as a user expects of a file they may write.
    TPlanGrid& grid = *m_g->grid;
    m_g->addDefaultRow();
    const QString folder = path("shared");
    QVERIFY(QDir().mkdir(folder));
    const QString mine = folder + "/mine.ip";
    const QString locked = folder + "/locked.ip";
    writeFile(mine, "old");
    writeFile(locked, "old");
    QCOMPARE(::chmod(QFile::encodeName(locked), 0444), 0);
    if (::geteuid() == 0) {
        QCOMPARE(::chmod(QFile::encodeName(m_dir->path()), 0755), 0);
        QCOMPARE(::chown(QFile::encodeName(mine), test::ActAsNobody::kUid, 0), 0);
    } else {
        QCOMPARE(::chmod(QFile::encodeName(folder), 0555), 0);
    }
    QString mineMessage, lockedMessage, newMessage;
    {
        test::ActAsNobody nobody;
        if (!nobody.ordinaryUser())
            QSKIP("cannot take an ordinary user's identity to test permissions");
        mineMessage = errorOf([&] { grid.WriteRowsToFile(mine); });
        lockedMessage = errorOf([&] { grid.WriteRowsToFile(locked); });
        newMessage = errorOf([&] { grid.WriteRowsToFile(folder + "/new.ip"); });
    }
    ::chmod(QFile::encodeName(folder), 0755);
    QCOMPARE(mineMessage, QStringLiteral("<no error>"));
    QCOMPARE(fileBytes(mine), test::workedExampleBytes());
    QCOMPARE(lockedMessage,
             QStringLiteral("Cannot create file \"%1\". Permission denied").arg(locked));
    QCOMPARE(fileBytes(locked), QByteArray("old"));
    QCOMPARE(
        newMessage,
        QStringLiteral("Cannot create file \"%1\". Permission denied").arg(folder + "/new.ip"));
    QCOMPARE(entries(folder), QStringList({"locked.ip", "mine.ip"}));
}

QTEST_MAIN(TestGridFiles)
#include "tst_gridfiles.moc"
