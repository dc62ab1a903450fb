#include "planner/reportpage.h"

#include <QMarginsF>
#include <algorithm>
#include <array>

namespace vantrel {

namespace {

// The territories whose C library gives Letter as their paper.
constexpr std::array kLetterTerritories = {
    QLocale::UnitedStates, QLocale::Canada,      QLocale::Mexico,     QLocale::Chile,
    QLocale::Colombia,     QLocale::CostaRica,   QLocale::Guatemala,  QLocale::Nicaragua,
    QLocale::Panama,       QLocale::PuertoRico,  QLocale::ElSalvador, QLocale::Venezuela,
    QLocale::Bolivia,      QLocale::Philippines,
};

} // namespace

QPageSize::PageSizeId paperFor(QLocale::Territory territory) {
    const bool letter =
        std::ranges::find(kLetterTerritories, territory) != kLetterTerritories.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout reportPageLayout(QLocale::Territory territory) {
    // No margins of the paper's own: the text document keeps 2 cm around its
    // content and puts the page number into the bottom one.
    return QPageLayout(QPageSize(paperFor(territory)), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

} // namespace vantrel
