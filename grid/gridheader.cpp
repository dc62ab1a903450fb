// The grid's header with hot-tracking of its sections.
#include "grid/gridheader.h"

#include <QHoverEvent>
#include <QStyleOptionHeader>

namespace vantrel {

TGridHeader::TGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    viewport()->setAttribute(Qt::WA_Hover);
}

bool TGridHeader::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        hover(logicalIndexAt(static_cast<QHoverEvent*>(event)->position().toPoint()));
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        hover(-1);
        break;
    default:
        break;
    }
    return QHeaderView::viewportEvent(event);
}

void TGridHeader::hover(int logicalIndex) {
    if (logicalIndex == m_hovered)
        return;
    const int old = m_hovered;
    m_hovered = logicalIndex;
    if (old >= 0)
        updateSection(old);
    if (logicalIndex >= 0)
        updateSection(logicalIndex);
}

void TGridHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    if (logicalIndex == m_hovered)
        option->state |= QStyle::State_MouseOver;
}

} // namespace vantrel
