// Cell texts: 8-bit strings shown as UTF-8, and the text a written value becomes.
#include "grid/celltext.h"

#include "core/numbers.h"

namespace vantrel {

QString cellTextToString(const QByteArray& text) {
    return QString::fromUtf8(text);
}

QByteArray stringToCellText(const QString& text) {
    return text.toUtf8();
}

QString cellTextStart(QByteArrayView text, qsizetype maxBytes, bool* cut) {
    const bool longer = text.size() > maxBytes;
    if (cut)
        *cut = longer;
    if (!longer)
        return QString::fromUtf8(text);
    qsizetype end = maxBytes;
    // Back up over continuation bytes so no character is split.
    for (int back = 0; back < 3 && end > 0 && (uchar(text[end]) & 0xC0) == 0x80; ++back)
        --end;
    return QString::fromUtf8(text.first(end));
}

QByteArray valueToCellText(const QVariant& value, QChar decimalSeparator) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QByteArray:
        return value.toByteArray();
    case QMetaType::QString:
        return stringToCellText(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? "True" : "False";
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QByteArray::number(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QByteArray::number(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return stringToCellText(formatGeneral(value.toDouble(), decimalSeparator));
    default:
        return stringToCellText(value.toString());
    }
}

} // namespace vantrel
