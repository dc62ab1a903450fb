#include "platform/ui/tabsheet.h"

#include <QTabBar>
#include <QTabWidget>

namespace vantrel {

TTabSheet::TTabSheet(const QString& name, const QString& caption, QTabWidget* pageControl)
    : QWidget(pageControl), m_pageControl(pageControl) {
    setObjectName(name);
    pageControl->addTab(this, caption);
}

QString TTabSheet::caption() const {
    return m_pageControl->tabText(m_pageControl->indexOf(this));
}

void TTabSheet::setCaption(const QString& caption) {
    m_pageControl->setTabText(m_pageControl->indexOf(this), caption);
}

QString TTabSheet::tabAccessibleName() const {
    return m_pageControl->tabBar()->accessibleTabName(m_pageControl->indexOf(this));
}

void TTabSheet::setTabAccessibleName(const QString& name) {
    m_pageControl->tabBar()->setAccessibleTabName(m_pageControl->indexOf(this), name);
}

} // namespace vantrel
