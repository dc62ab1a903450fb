#include "platform/ui/tabsheet.h"

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

} // namespace vantrel
