#include "platform/ui/pagecontrol.h"

#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOption>
#include <algorithm>

namespace vantrel {

namespace {

// The desktop's style, but for where the pages go.
class PageMarginStyle : public QProxyStyle {
public:
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        const QRect styled = QProxyStyle::subElementRect(element, option, widget);
        if (element != SE_TabWidgetTabContents)
            return styled;
        QRect page = option->rect.marginsRemoved(TPageControl::kPageMargins);
        // Never over the tabs, should a style draw them taller.
        page.setTop(std::max(page.top(), styled.top()));
        return page;
    }
};

} // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    auto* style = new PageMarginStyle;
    style->setParent(this);
    setStyle(style);
    addPageKeys();
}

// The desktop's keys for the next and the previous page, wherever the focus
// is in the window: a grid or a field would otherwise take them for itself.
void TPageControl::addPageKeys() {
    const struct {
        QKeySequence keys;
        int step;
    } pageKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
    };
    for (const auto& key : pageKeys) {
        auto* shortcut = new QShortcut(key.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = key.step] {
            if (count() > 0)
                setCurrentIndex((currentIndex() + step + count()) % count());
        });
    }
}

} // namespace vantrel
