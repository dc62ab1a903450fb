#include "platform/ui/pagecontrol.h"

#include <QProxyStyle>
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
}

} // namespace vantrel
