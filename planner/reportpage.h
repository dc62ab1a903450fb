// The paper a plan is printed on: the size the user's country uses, portrait.
#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

namespace vantrel {

// Letter in the Americas' Letter countries and the Philippines, A4 elsewhere.
QPageSize::PageSizeId paperFor(QLocale::Territory territory);

// That paper upright.
QPageLayout reportPageLayout(QLocale::Territory territory);

} // namespace vantrel
