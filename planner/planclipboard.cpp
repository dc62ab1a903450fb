#include "planner/planclipboard.h"

#include "planner/plancopy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vantrel {

void copyPlanToClipboard(const TPlanGrid& grid, const QList<ShownTotal>& totals,
                         const QString& totalsLabel) {
    const ShownPlan plan = shownPlan(grid, totals);
    const PlanCopy copy = planCopy(plan.captions, plan.rows, plan.totals, totalsLabel);
    auto* mime = new QMimeData;
    mime->setText(copy.tsv);
    mime->setHtml(copy.html);
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it
}

} // namespace vantrel
