#include "app/windowfont.h"

#include <QFontDatabase>

namespace vantrel {

QFont windowFont() {
    const QString family = QString::fromLatin1(kWindowFontFamily);
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(11);
    return font;
}

} // namespace vantrel
