// The grid's row stream in memory and in files. A read replaces the rows only
// when the whole stream was read; a failed save never destroys the previous
// file; only regular files are read.
#include "grid/gridmodel.h"
#include "grid/openfile.h"
#include "grid/plangrid.h"
#include "grid/savefile.h"

namespace vantrel {

void TPlanGrid::WriteRows(QIODevice& device) const {
    writeRowStream(device, m_model->rows());
}

void TPlanGrid::ReadRows(QByteArrayView bytes) {
    RowStreamLayout layout = RowStreamLayout::Current;
    TGridRowList loaded = readRowStream(bytes, &layout); // throws; nothing changed yet
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
    saveFile(fileName, [this](QIODevice& device) { WriteRows(device); });
}

void TPlanGrid::ReadRowsFromFile(const QString& fileName) {
    readRegularFile(fileName, [this](QByteArrayView bytes) { ReadRows(bytes); });
}

} // namespace vantrel
