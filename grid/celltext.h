// Cell texts: the grid keeps every cell as 8-bit text and shows it as UTF-8.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QVariant>

namespace vantrel {

// Cells hold 8-bit text; the desktop's 8-bit character set is UTF-8.
QString cellTextToString(const QByteArray& text);
QByteArray stringToCellText(const QString& text);
// The start of a cell's text, at most maxBytes of it, cut between characters;
// `cut` tells whether anything was left off. Keeps the work on a huge cell
// independent of its length.
QString cellTextStart(QByteArrayView text, qsizetype maxBytes, bool* cut = nullptr);

// The text a value becomes in a cell: strings unchanged, integers in decimal,
// doubles in the 15-digit general format with the given decimal separator.
QByteArray valueToCellText(const QVariant& value, QChar decimalSeparator);

} // namespace vantrel
