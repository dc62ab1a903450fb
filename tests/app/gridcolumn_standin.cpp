// Stands in for the grid library while it does not build yet: the two members
// of TGridColumn that the caption test needs.
#include "grid/gridcolumn.h"

namespace vantrel {

TGridColumn::TGridColumn(const QString& name, const QString& caption, int width, TPlanGrid*)
    : m_caption(caption), m_width(width) {
    setObjectName(name);
}

void TGridColumn::setCaption(const QString& caption) {
    m_caption = caption;
}

} // namespace vantrel
