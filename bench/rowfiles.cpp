#include "bench/rowfiles.h"

#include "core/error.h"
#include "grid/rowstream.h"

#include <QBuffer>
#include <QFile>

namespace vantrel::bench {

std::vector<QByteArrayView> defaultRowTexts() {
    return {"640x480 (VGA)", "MJPG-Medium (20)", "46", "10", "1", "1", "3.68", "37.90283203125"};
}

qsizetype defaultRowTextBytes() {
    qsizetype total = 0;
    for (QByteArrayView text : defaultRowTexts())
        total += text.size();
    return total;
}

TGridRowList makeDefaultRows(qsizetype count) {
    const std::vector<QByteArrayView> texts = defaultRowTexts();
    TGridRowList rows;
    rows.reserve(std::size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        rows.push_back(std::make_unique<TGridRow>());
        rows.back()->setTexts(texts);
    }
    return rows;
}

QByteArray defaultRowStream(qsizetype count) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeRowStream(buffer, makeDefaultRows(count));
    return bytes;
}

QString RowFileCache::pathFor(qsizetype count) {
    if (const auto it = m_paths.constFind(count); it != m_paths.cend())
        return *it;
    if (!m_dir.isValid())
        throw EError(QStringLiteral("No temporary folder for the row files"));
    const QString path = m_dir.filePath(QStringLiteral("rows-%1.ip").arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    writeRowStream(file, makeDefaultRows(count));
    m_paths.insert(count, path);
    return path;
}

QString RowFileCache::scratchPath() const {
    return m_dir.filePath(QStringLiteral("scratch.ip"));
}

RowFileCache& rowFiles() {
    static RowFileCache cache;
    return cache;
}

} // namespace vantrel::bench
