// The diagram's fields as the lens tab starts: heights 7 and 2, scale 1,
// distance 20, angle 28, width 10.
#pragma once

#include "lens/diagram.h"

namespace vantrel::test {

inline lens::DiagramFields initialFields() {
    lens::DiagramFields f;
    f.camHeight = QStringLiteral("7");
    f.scale = QStringLiteral("1");
    f.distance = QStringLiteral("20");
    f.objHeight = QStringLiteral("2");
    f.width = QStringLiteral("10");
    f.angle = 28;
    return f;
}

} // namespace vantrel::test
