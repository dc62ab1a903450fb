// Rows and row-stream files of the default camera type, the row the program
// starts with, in any number.
#pragma once

#include "grid/gridrow.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

namespace vantrel::bench {

// The texts of the row right after start-up, written with "." as separator.
std::vector<QByteArrayView> defaultRowTexts();
// The bytes of those texts together.
qsizetype defaultRowTextBytes();

TGridRowList makeDefaultRows(qsizetype count);
// The row stream of count default rows.
QByteArray defaultRowStream(qsizetype count);

// Row-stream files of default rows in a temporary folder, each written once
// and kept until the cache goes.
class RowFileCache {
public:
    QString pathFor(qsizetype count);
    // A file of the folder that no count uses, for benchmarks that write.
    QString scratchPath() const;

private:
    QTemporaryDir m_dir;
    QHash<qsizetype, QString> m_paths;
};

// The cache the benchmarks share, so each size is written once per run.
RowFileCache& rowFiles();

} // namespace vantrel::bench
