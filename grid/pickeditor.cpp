// The pick editor and its drop-down list.
#include "grid/pickeditor.h"

#include "grid/gridcolumn.h"
#include "grid/pickpopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

namespace vantrel {

namespace {

bool isPrintable(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = event->text();
    return !t.isEmpty() && t.front().unicode() >= 0x20 && t.front().unicode() != 0x7F;
}

bool isListToggle(const QKeyEvent* event) {
    return event->key() == Qt::Key_F4 ||
           ((event->modifiers() & Qt::AltModifier) &&
            (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up));
}

} // namespace

TPickCellEditor::TPickCellEditor(TGridPickColumn* column, QWidget* parent)
    : TCellEditor(column, parent), m_pick(column) {
    setReadOnly(column->DropDownListStyle);
    m_button = new QToolButton(this);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    connect(m_button, &QToolButton::clicked, this, [this] {
        if (isListOpen())
            closeList();
        else
            openList();
    });

    m_popup = new TPickPopup(column->Items, m_button);
    m_list = m_popup->list();
    m_popup->installEventFilter(this);
    connect(m_popup, &TPickPopup::itemClicked, this, &TPickCellEditor::choose);
}

int TPickCellEditor::visibleRows() const {
    return std::max(1, std::min(m_pick->DropDownRows, m_list->count()));
}

void TPickCellEditor::openList() {
    if (isListOpen())
        return;
    m_typed.clear();
    highlightText();
    // A popup is a window of its own and would take the desktop's font.
    m_popup->setFont(font());
    const int rowHeight = m_list->count() > 0 ? m_list->sizeHintForRow(0) : fontMetrics().height();
    const int frame = 2 * m_list->frameWidth();
    const int rows = visibleRows();
    int w = m_list->count() > 0 ? m_list->sizeHintForColumn(0) + frame : 0;
    if (m_list->count() > rows)
        w += m_list->verticalScrollBar()->sizeHint().width();
    const QSize size(std::max(w, width()), rows * rowHeight + frame);
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        if (at.y() + size.height() > area.bottom() &&
            mapToGlobal(QPoint(0, 0)).y() - size.height() >= area.top())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
    }
    m_popup->setGeometry(QRect(at, size));
    m_popup->show();
    if (m_list->currentItem())
        m_list->scrollToItem(m_list->currentItem());
}

void TPickCellEditor::closeList() {
    m_typed.clear();
    if (m_popup->isVisible())
        m_popup->hide();
}

bool TPickCellEditor::isListOpen() const {
    return m_popup->isVisible();
}

void TPickCellEditor::choose(int item) {
    if (item < 0 || item >= m_list->count())
        return;
    m_list->setCurrentRow(item);
    const QString picked = m_list->item(item)->text();
    closeList();
    if (picked != text())
        setText(picked); // the user's choice: the editor reports it
    selectAllShowingStart();
}

void TPickCellEditor::highlightText() {
    const auto found = m_list->findItems(text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    } else {
        m_list->setCurrentItem(found.front());
    }
}

void TPickCellEditor::search(const QString& typed) {
    auto firstBeginning = [this](const QString& prefix) {
        for (int i = 0; i < m_list->count(); ++i)
            if (m_list->item(i)->text().startsWith(prefix, Qt::CaseInsensitive))
                return i;
        return -1;
    };
    int found = firstBeginning(m_typed + typed);
    if (found >= 0) {
        m_typed += typed;
    } else if ((found = firstBeginning(typed)) >= 0) {
        m_typed = typed;
    } else {
        return;
    }
    m_list->setCurrentRow(found);
    m_list->scrollToItem(m_list->item(found));
    const QString picked = m_list->item(found)->text();
    if (picked != text())
        setText(picked); // chosen by incremental search: the editor reports it
    selectAllShowingStart();
}

void TPickCellEditor::moveHighlight(int key) {
    const int count = m_list->count();
    if (count == 0)
        return;
    int row = m_list->currentRow();
    switch (key) {
    case Qt::Key_Up:
        row = row < 0 ? 0 : std::max(0, row - 1);
        break;
    case Qt::Key_Down:
        row = row < 0 ? 0 : std::min(count - 1, row + 1);
        break;
    case Qt::Key_PageUp:
        row = std::max(0, row - visibleRows());
        break;
    case Qt::Key_PageDown:
        row = std::min(count - 1, std::max(row, 0) + visibleRows());
        break;
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = count - 1;
        break;
    default:
        return;
    }
    m_list->setCurrentRow(row);
    m_list->scrollToItem(m_list->item(row));
}

bool TPickCellEditor::wantsKey(const QKeyEvent* event) const {
    // Alt+Down, Alt+Up and F4 open and close the list, as in any combo box.
    if (isListToggle(event))
        return true;
    if (!isListOpen())
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void TPickCellEditor::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (isListToggle(event)) {
        if (isListOpen())
            closeList();
        else
            openList();
        return;
    }
    if (isListOpen()) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(m_list->currentRow());
            closeList();
            return;
        case Qt::Key_Escape:
            closeList();
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            moveHighlight(event->key());
            return;
        default:
            break;
        }
    }
    if (m_pick->DropDownListStyle) {
        if (isPrintable(event)) {
            if (m_pick->ImmediateDropDown)
                openList();
            search(event->text());
        } else if (event->key() == Qt::Key_Backspace) {
            m_typed.chop(1);
        } else if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) {
            TCellEditor::keyPressEvent(event); // caret and selection keys of a read-only text
        }
        event->accept();
        return;
    }
    TCellEditor::keyPressEvent(event);
    event->accept();
    if (isPrintable(event) && m_pick->ImmediateDropDown) {
        openList();
        const auto found = m_list->findItems(text(), Qt::MatchStartsWith);
        if (!found.isEmpty())
            m_list->setCurrentItem(found.front());
    }
}

void TPickCellEditor::resizeEvent(QResizeEvent* event) {
    TCellEditor::resizeEvent(event);
    const int w = std::min(kButtonWidth, width() / 3);
    m_button->setGeometry(width() - w, 0, w, height());
    setTextMargins(0, 0, w, 0);
}

void TPickCellEditor::hideEvent(QHideEvent* event) {
    closeList();
    TCellEditor::hideEvent(event);
}

bool TPickCellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_popup &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // The open list has the keyboard; the editor (and the grid's handling
        // of Tab and the like around it) takes every key.
        auto* key = static_cast<QKeyEvent*>(event);
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                       ushort(key->count()));
        QCoreApplication::sendEvent(this, &copy);
        if (copy.isAccepted())
            event->accept();
        return true;
    }
    return TCellEditor::eventFilter(watched, event);
}

} // namespace vantrel
