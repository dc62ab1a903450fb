#include "platform/ui/anchors.h"

#include <QWidget>
#include <QWidgetItem>

namespace vantrel {

QRect anchoredRect(const QRect& design, Anchors anchors, const QSize& designParent,
                   const QSize& parent) {
    const int dx = parent.width() - designParent.width();
    const int dy = parent.height() - designParent.height();
    QRect r = design;
    const bool left = anchors & Anchor::Left, right = anchors & Anchor::Right;
    const bool top = anchors & Anchor::Top, bottom = anchors & Anchor::Bottom;
    if (left && right)
        r.setWidth(qMax(0, design.width() + dx));
    else if (right)
        r.moveLeft(design.left() + dx);
    if (top && bottom)
        r.setHeight(qMax(0, design.height() + dy));
    else if (bottom)
        r.moveTop(design.top() + dy);
    return r;
}

TAnchorLayout::TAnchorLayout(QWidget* parent, const QSize& designSize)
    : QLayout(parent), m_designSize(designSize) {
    setContentsMargins(0, 0, 0, 0);
}

TAnchorLayout::~TAnchorLayout() {
    for (const Entry& e : m_entries)
        delete e.item;
}

void TAnchorLayout::place(QWidget* widget, const QRect& design, Anchors anchors) {
    addChildWidget(widget);
    m_entries.push_back({new QWidgetItem(widget), design, anchors});
    widget->setGeometry(design);
    invalidate();
}

void TAnchorLayout::placeFitted(QWidget* widget, const QRect& design, Anchors anchors, Keep keep,
                                int minimumWidth) {
    place(widget, design, anchors);
    Entry& e = m_entries.back();
    e.fitted = true;
    e.keep = keep;
    e.minimumWidth = minimumWidth;
}

void TAnchorLayout::addItem(QLayoutItem* item) {
    const QRect design = item->geometry();
    m_entries.push_back({item, design, kLeftTop});
}

QLayoutItem* TAnchorLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? m_entries[std::size_t(index)].item : nullptr;
}

QLayoutItem* TAnchorLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_entries[std::size_t(index)].item;
    m_entries.erase(m_entries.begin() + index);
    return item;
}

int TAnchorLayout::count() const {
    return int(m_entries.size());
}

void TAnchorLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    for (const Entry& e : m_entries) {
        QRect r = anchoredRect(e.design, e.anchors, m_designSize, rect.size());
        if (e.fitted) {
            const QSize hint = e.item->sizeHint();
            const int width = qMax(hint.width(), e.minimumWidth);
            if (e.keep == Keep::RightEdge)
                r.setLeft(r.left() + r.width() - width);
            r.setSize(QSize(width, hint.height()));
        }
        e.item->widget()->setGeometry(r.translated(rect.topLeft()));
    }
}

} // namespace vantrel
