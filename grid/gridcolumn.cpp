// Grid columns: the header caption follows a caption change at once.
#include "grid/gridcolumn.h"

#include "grid/plangrid.h"

namespace vantrel {

TGridColumn::TGridColumn(const QString& name, const QString& caption, int width, TPlanGrid* grid)
    : QObject(grid), m_caption(caption), m_width(width) {
    setObjectName(name);
}

void TGridColumn::setCaption(const QString& caption) {
    m_caption = caption;
    if (auto* grid = qobject_cast<TPlanGrid*>(parent()))
        grid->columnCaptionChanged(this);
}

} // namespace vantrel
