// The pick editor's drop-down window and its closing on outside presses.
#include "grid/pickpopup.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace vantrel {

namespace {

// Rows with the style's padding above and below the text, so that items
// touch neither the frame nor each other.
class PaddedItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const int padding = style->pixelMetric(QStyle::PM_FocusFrameVMargin, &option, view) + 1;
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2 * padding);
    }
};

} // namespace

TPickPopup::TPickPopup(const QStringList& items, QWidget* toggle)
    : QFrame(toggle, Qt::Popup), m_list(new QListWidget(this)) {
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new PaddedItems(m_list));
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
    // The press only closes the list, wherever it falls: handed on to what is
    // under it, it would move the grid to another cell or the focus to another
    // control and close the editor with it, committing an edit the user only
    // meant to look at; on the toggle it would open the list again.
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
