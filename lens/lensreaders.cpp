#include "lens/lensreaders.h"

#include "core/numbers.h"

namespace vantrel::lens {

qint32 readWhole(QStringView text, qint32 fallback) {
    return readInt32Or(text, fallback);
}

double readDecimalOr(QStringView text, QChar separator, double fallback) {
    return readDecimal(text, separator).value_or(fallback);
}

} // namespace vantrel::lens
