// Grid columns: a caption change is announced at once.
#include "grid/gridcolumn.h"

namespace vantrel {

TGridColumn::TGridColumn(const QString& name, const QString& caption, int width, QObject* parent)
    : QObject(parent), m_caption(caption), m_width(width) {
    setObjectName(name);
}

void TGridColumn::setCaption(const QString& caption) {
    m_caption = caption;
    emit captionChanged(this);
}

} // namespace vantrel
