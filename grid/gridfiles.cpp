// The grid's row stream on devices and files. A read replaces the rows only
// when the whole stream was read; a save goes through a temporary file, so a
// failure never destroys the previous file.
#include "core/error.h"
#include "grid/gridmodel.h"
#include "grid/plangrid.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vantrel {

namespace {

// A pipe or device has no end that can be known in advance, and one such as
// /dev/urandom never ends: take at most this many bytes from it.
constexpr qint64 kMaxUnsizedStreamBytes = qint64(256) << 20;

QByteArray readBounded(QIODevice& device, qint64 limit) {
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got == 0)
            return bytes;
        if (got < 0 || bytes.size() + got > limit)
            throw EError(QStringLiteral("Stream read error"));
        bytes.append(chunk, got);
    }
}

} // namespace

void TPlanGrid::WriteRows(QIODevice& device) const {
    writeRowStream(device, m_model->rows());
}

void TPlanGrid::ReadRows(QIODevice& device) {
    RowStreamLayout layout = RowStreamLayout::Current;
    TGridRowList loaded = readRowStream(device, &layout); // throws; nothing changed yet
    BeginUpdate();
    try {
        m_model->replaceRows(std::move(loaded));
        if (m_model->rowCount() > 0) {
            focusIndex(0); // the first loaded row is focused and the top row
            scrollToTop();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    m_lastReadLayout = layout;
}

void TPlanGrid::WriteRowsToFile(const QString& fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EError(QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), file.errorString()));
    WriteRows(file); // throws "Stream write error"; the unfinished file is discarded
    if (!file.commit())
        throw EError(QStringLiteral("Stream write error"));
}

void TPlanGrid::ReadRowsFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("Cannot open file \"%1\". %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), file.errorString()));
    if (!file.isSequential()) {
        ReadRows(file);
        return;
    }
    QByteArray bytes = readBounded(file, kMaxUnsizedStreamBytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadRows(buffer);
}

} // namespace vantrel
