// Cell texts: 8-bit strings shown as UTF-8, and the text a written value becomes.
#include "core/numbers.h"
#include "grid/plangrid.h"

namespace vantrel {

QString cellTextToString(const QByteArray& text) { return QString::fromUtf8(text); }

QByteArray stringToCellText(const QString& text) { return text.toUtf8(); }

QByteArray valueToCellText(const QVariant& value, QChar decimalSeparator) {
    switch (value.typeId()) {
    case QMetaType::UnknownType: return {};
    case QMetaType::QByteArray: return value.toByteArray();
    case QMetaType::QString: return stringToCellText(value.toString());
    case QMetaType::Bool: return value.toBool() ? "True" : "False";
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: return QByteArray::number(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return QByteArray::number(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return stringToCellText(formatGeneral(value.toDouble(), decimalSeparator));
    default: return stringToCellText(value.toString());
    }
}

} // namespace vantrel
