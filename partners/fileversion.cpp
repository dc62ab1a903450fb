// The executable's version record, built from the project version, and its
// reader.
#include "partners/fileversion.h"

#include <QCoreApplication>
#include <QFile>
#include <array>

namespace vantrel {

namespace {

constexpr std::size_t kMarkerSize = 16;
constexpr std::size_t kRecordSize = kMarkerSize + 4 * 2 + 4;
constexpr char kMarker[kMarkerSize + 1] = "\x7fVantrelFileVer1";
constexpr quint32 kCheckSalt = 0x56544C31;

using Record = std::array<unsigned char, kRecordSize>;

constexpr quint32 checkOf(const FileVersion& v) {
    return ((quint32(v.major) << 16) | v.minor) ^ ((quint32(v.release) << 16) | v.build) ^
           kCheckSalt;
}

constexpr Record makeRecord(const FileVersion& v) {
    Record r{};
    for (std::size_t i = 0; i < kMarkerSize; ++i)
        r[i] = static_cast<unsigned char>(kMarker[i]);
    const quint16 parts[4] = {v.major, v.minor, v.release, v.build};
    for (std::size_t i = 0; i < 4; ++i) {
        r[kMarkerSize + 2 * i] = parts[i] & 0xFF;
        r[kMarkerSize + 2 * i + 1] = parts[i] >> 8;
    }
    const quint32 check = checkOf(v);
    for (std::size_t i = 0; i < 4; ++i)
        r[kMarkerSize + 8 + i] = (check >> (8 * i)) & 0xFF;
    return r;
}

// Kept in a section of its own so that it survives linking and can be found
// with readelf as well.
[[gnu::used, gnu::section(".vantrel_version")]] constexpr Record kEmbeddedRecord = makeRecord(
    {VANTREL_VERSION_MAJOR, VANTREL_VERSION_MINOR, VANTREL_VERSION_PATCH, VANTREL_VERSION_TWEAK});

quint16 le16(const char* p) {
    return quint16(quint8(p[0]) | (quint16(quint8(p[1])) << 8));
}

quint32 le32(const char* p) {
    return quint32(le16(p)) | (quint32(le16(p + 2)) << 16);
}

// The version of a record starting at p, when its check holds.
bool parseRecord(const char* p, FileVersion& out) {
    const char* numbers = p + kMarkerSize;
    const FileVersion v{le16(numbers), le16(numbers + 2), le16(numbers + 4), le16(numbers + 6)};
    if (le32(numbers + 8) != checkOf(v))
        return false;
    out = v;
    return true;
}

QString versionText(const FileVersion& v) {
    return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
}

QString findVersion(const QByteArray& bytes) {
    const QByteArray marker = QByteArray::fromRawData(kMarker, qsizetype(kMarkerSize));
    FileVersion v;
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at + 1)) {
        if (bytes.size() - at < qsizetype(kRecordSize))
            break;
        if (parseRecord(bytes.constData() + at, v))
            return versionText(v);
    }
    return {};
}

QString ownExecutablePath() {
#ifdef Q_OS_LINUX
    // Still the running file even if it was replaced on disk since start.
    return QStringLiteral("/proc/self/exe");
#else
    return QCoreApplication::applicationFilePath();
#endif
}

} // namespace

QByteArray versionRecordBytes(const FileVersion& version) {
    const Record r = makeRecord(version);
    return QByteArray(reinterpret_cast<const char*>(r.data()), qsizetype(r.size()));
}

QString readFileVersionString(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr)
        return findVersion(
            QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size)));
    return findVersion(file.readAll());
}

QString GetVersionString() {
    return readFileVersionString(ownExecutablePath());
}

} // namespace vantrel
