// The grid's row stream on devices and files. A read replaces the rows only
// when the whole stream was read; a failed save never destroys the previous
// file; only regular files are read.
#include "grid/gridmodel.h"
#include "grid/openfile.h"
#include "grid/plangrid.h"
#include "grid/savefile.h"

#include <QFile>

namespace vantrel {

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
    saveFile(fileName, [this](QIODevice& device) { WriteRows(device); });
}

void TPlanGrid::ReadRowsFromFile(const QString& fileName) {
    QFile file;
    openRegularFile(file, fileName);
    ReadRows(file);
}

} // namespace vantrel
