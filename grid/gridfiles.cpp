// The grid's row stream on devices and files. A read replaces the rows only
// when the whole stream was read; a save goes through a temporary file, so a
// failure never destroys the previous file.
#include "core/error.h"
#include "grid/gridmodel.h"
#include "grid/plangrid.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vantrel {

void TPlanGrid::WriteRows(QIODevice& device) const { writeRowStream(device, m_model->rows()); }

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
    ReadRows(file);
}

} // namespace vantrel
