// The pick editor's drop-down window and its closing on outside presses.
#include "grid/pickpopup.h"

#include <QListWidget>
#include <QMouseEvent>

namespace vantrel {

TPickPopup::TPickPopup(const QStringList& items, QWidget* toggle)
    : QFrame(toggle, Qt::Popup), m_list(new QListWidget(this)), m_toggle(toggle) {
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->addItems(items);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit itemClicked(m_list->row(item)); });
}

void TPickPopup::mousePressEvent(QMouseEvent* event) {
    // Presses inside go to the list; one arriving here is outside the popup.
    const QPoint global = event->globalPosition().toPoint();
    if (rect().contains(mapFromGlobal(global))) {
        QFrame::mousePressEvent(event);
        return;
    }
    if (m_toggle && m_toggle->rect().contains(m_toggle->mapFromGlobal(global)))
        setAttribute(Qt::WA_NoMouseReplay);
    event->accept();
    hide();
}

void TPickPopup::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    m_list->setGeometry(rect()); // the list fills the popup, at any height
}

void TPickPopup::showEvent(QShowEvent* event) {
    setAttribute(Qt::WA_NoMouseReplay, false);
    QFrame::showEvent(event);
}

} // namespace vantrel
