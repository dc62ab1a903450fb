#include "platform/ui/linklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace vantrel {

namespace {

// What a screen reader hears: a link named by its caption, with the one
// action of opening it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(TLinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {
        addControllingSignal(QStringLiteral("activated()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            emit static_cast<TLinkLabel*>(widget())->activated();
    }
};

QAccessibleInterface* linkAccessible(const QString&, QObject* object) {
    if (auto* link = qobject_cast<TLinkLabel*>(object))
        return new LinkAccessible(link);
    return nullptr;
}

} // namespace

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(linkAccessible), true);
    Q_UNUSED(installed);
    // Reached by Tab, as links in a page are; a click does not move the focus.
    setFocusPolicy(Qt::TabFocus);
}

void TLinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        event->accept();
        emit activated();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The keyboard's place shows as the style's focus frame around the text.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace vantrel
