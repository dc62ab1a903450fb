// The planner grid: columns, rows, focus, the update bracket and the editing
// behaviour around Qt's table view.
#include "grid/plangrid.h"

#include "grid/cellcolours.h"
#include "grid/celleditor.h"
#include "grid/griddelegate.h"
#include "grid/gridheader.h"
#include "grid/gridlook.h"
#include "grid/gridmodel.h"
#include "grid/pickeditor.h"
#include "platform/platform.h"
#include "platform/ui/legibility.h"
#include "platform/ui/pagebuilding.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vantrel {

TPlanGrid::TPlanGrid(TPlatform& platform, QWidget* parent)
    : QTableView(parent), m_platform(platform), m_model(new TGridModel(this)),
      m_delegate(new TGridDelegate(this, platform)) {
    setHorizontalHeader(new TGridHeader(this));
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(NoSelection);
    setEditTriggers(AnyKeyPressed); // clicks and Enter open the editor below
    setTabKeyNavigation(true);
    setShowGrid(false); // the delegate draws the lines in the grid's colours
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(ScrollPerPixel);
    setAutoFillBackground(true);

    QHeaderView* top = horizontalHeader();
    top->setSectionsMovable(true);
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setMinimumSectionSize(kMinColumnWidth);
    top->setSectionResizeMode(QHeaderView::Interactive);
    top->setStretchLastSection(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    styleHeader();
    // Hot-tracking: the cell and the header section under the mouse are tinted.
    viewport()->setAttribute(Qt::WA_Hover);
    addMenuCommands();

    QHeaderView* side = verticalHeader();
    side->hide();
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setMinimumSectionSize(8);
    side->setDefaultSectionSize(fontMetrics().height() + 4 + kRowSeparatorWidth);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const auto inside = [this](QWidget* w) { return w && (w == this || isAncestorOf(w)); };
        if (inside(old) != inside(now))
            viewport()->update();
    });
}

TPlanGrid::~TPlanGrid() {
    // An open editor gives up the focus as it is destroyed; nothing of a grid
    // that is already going may answer that.
    qApp->disconnect(this);
    disconnectChildrenFrom(this);
    // Let the view go of the model before the model (a child) is released.
    QTableView::setModel(nullptr);
    delete m_model;
}

// Columns ----------------------------------------------------------------

template <class Column>
Column* TPlanGrid::addColumn(const QString& name, const QString& caption, int width) {
    auto* column = new Column(name, caption, width, this);
    column->m_cellIndex = int(m_columns.size());
    m_columns.push_back(column);
    m_model->addColumn(column);
    connect(column, &TGridColumn::captionChanged, this, &TPlanGrid::columnCaptionChanged);
    horizontalHeader()->resizeSection(column->m_cellIndex, std::max(width, column->minWidth()));
    return column;
}

TGridColumn* TPlanGrid::addTextColumn(const QString& name, const QString& caption, int width) {
    return addColumn<TGridColumn>(name, caption, width);
}

TGridPickColumn* TPlanGrid::addPickColumn(const QString& name, const QString& caption, int width) {
    return addColumn<TGridPickColumn>(name, caption, width);
}

TGridSpinColumn* TPlanGrid::addSpinColumn(const QString& name, const QString& caption, int width) {
    return addColumn<TGridSpinColumn>(name, caption, width);
}

int TPlanGrid::columnCount() const {
    return int(m_columns.size());
}

TGridColumn* TPlanGrid::column(int cellIndex) const {
    return m_model->column(cellIndex);
}

int TPlanGrid::ColumnIndex(const TGridColumn* column) const {
    return column ? column->cellIndex() : -1;
}

TGridColumn* TPlanGrid::ColumnByName(QStringView name) const {
    for (TGridColumn* c : m_columns)
        if (QStringView(c->objectName()).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TPlanGrid::columnCaptionChanged(const TGridColumn* column) {
    m_model->columnChanged(column->cellIndex());
}

// Rows and focus -----------------------------------------------------------

QModelIndex TPlanGrid::indexFor(int row, int cellIndex) const {
    return m_model->index(row, std::clamp(cellIndex, 0, std::max(0, columnCount() - 1)));
}

void TPlanGrid::focusIndex(int row) {
    const QModelIndex target = indexFor(row, m_focusedColumn);
    if (target.isValid())
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
}

TGridRow* TPlanGrid::AddRow() {
    TGridRow* row = m_model->appendRow();
    if (!currentIndex().isValid()) {
        focusIndex(m_model->rowCount() - 1);
        scrollToTop();
    }
    return row;
}

TGridRow* TPlanGrid::FocusedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->rowAt(current.row()) : nullptr;
}

int TPlanGrid::RowCount() const {
    return m_model->rowCount();
}

TGridRow* TPlanGrid::RowAt(int index) const {
    return m_model->rowAt(index);
}

void TPlanGrid::FocusRow(TGridRow* row) {
    const int current = currentIndex().row();
    const int target = m_model->rowIndex(row, current);
    if (target < 0 || target == current)
        return;
    focusIndex(target);
}

void TPlanGrid::DeleteRow(TGridRow* row) {
    const int current = currentIndex().row();
    const int target = m_model->rowIndex(row, current);
    if (target < 0)
        return;
    const bool wasFocused = target == current;
    m_model->deleteRowAt(target);
    if (!wasFocused)
        return;
    if (m_model->rowCount() == 0) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    // The row before takes the focus, or the row after when it was the first.
    focusIndex(target > 0 ? target - 1 : 0);
}

void TPlanGrid::ClearRows() {
    m_model->clearRows();
}

const TGridRowList& TPlanGrid::rows() const {
    return m_model->rows();
}

int TPlanGrid::focusedColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : m_focusedColumn;
}

// Cells ----------------------------------------------------------------------

QVariant TPlanGrid::GetCellValue(TGridRow* row, int cellIndex) const {
    return QVariant(GetCellText(row, cellIndex));
}

QString TPlanGrid::GetCellText(TGridRow* row, int cellIndex) const {
    if (!row)
        return QString();
    return cellTextToString(row->textView(cellIndex).toByteArray());
}

void TPlanGrid::SetCellValue(TGridRow* row, int cellIndex, const QVariant& value) {
    m_model->setCellText(row, cellIndex, valueToCellText(value, m_platform.decimalSeparator()));
}

// Editing --------------------------------------------------------------------

QString TPlanGrid::EditorText() const {
    return m_editor && m_editor->isOpen() ? m_editor->text() : QString();
}

QWidget* TPlanGrid::editorWidget() const {
    return m_editor && m_editor->isOpen() ? m_editor.data() : nullptr;
}

void TPlanGrid::editorOpened(TCellEditor* editor) {
    m_editor = editor;
}

void TPlanGrid::editorTextChangedByUser(TCellEditor* editor) {
    TGridColumn* column = editor->column();
    emit editChange(column);
    emit column->change(column);
}

bool TPlanGrid::hasFocusWithin() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus)) && isActiveWindow();
}

QModelIndex TPlanGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction != MoveNext && cursorAction != MovePrevious)
        return QTableView::moveCursor(cursorAction, modifiers);
    // Tab and Shift+Tab go through the columns in the order shown and wrap to
    // the next or previous row.
    const QHeaderView* header = horizontalHeader();
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int visual = current.isValid() ? header->visualIndex(current.column()) : -1;
    const int step = cursorAction == MoveNext ? 1 : -1;
    for (int tries = 0; tries <= columns; ++tries) {
        visual += step;
        if (visual >= columns) {
            visual = 0;
            if (++row >= rows)
                return {};
        } else if (visual < 0) {
            visual = columns - 1;
            if (--row < 0)
                return {};
        }
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            return m_model->index(row, logical);
    }
    return {};
}

void TPlanGrid::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState) {
        // Enter opens the in-place editor on the focused cell.
        const QModelIndex current = currentIndex();
        if (current.flags() & Qt::ItemIsEditable)
            edit(current);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        openContextMenuFromKeyboard();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TPlanGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // The immediate editor: a click into a cell opens its editor at once.
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (!(clicked.flags() & Qt::ItemIsEditable) || clicked != currentIndex() ||
        state() == EditingState)
        return;
    if (edit(clicked, AllEditTriggers, event)) {
        // A click on the right edge of a pick cell, where its button is, drops the list down.
        const QRect cell = visualRect(clicked);
        if (auto* pick = qobject_cast<TPickCellEditor*>(editorWidget());
            pick && event->position().x() >= cell.right() - TPickCellEditor::kButtonWidth)
            pick->openList();
    }
}

void TPlanGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_focusedColumn = current.column();
    // The whole focused row is marked.
    if (previous.isValid())
        updateRow(previous.row());
    if (current.isValid())
        updateRow(current.row());
}

void TPlanGrid::updateRow(int row) {
    const int y = rowViewportPosition(row);
    if (y >= -rowHeight(row) && y < viewport()->height())
        viewport()->update(QRect(0, y, viewport()->width(), rowHeight(row)));
}

void TPlanGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        viewport()->update();
    if (event->type() == QEvent::PaletteChange)
        styleHeader();
}

void TPlanGrid::styleHeader() {
    const QColor hover = hoverTint(palette().color(QPalette::Button));
    const QColor hoverText = legibleText(palette().color(QPalette::ButtonText), hover);
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: palette(button); border: none;"
                       " border-right: 1px solid %1; border-bottom: 1px solid %1;"
                       " padding: 1px 3px; }"
                       " QHeaderView::section:hover { background-color: %2; color: %3; }")
            .arg(gridLineColor().name(), hover.name(), hoverText.name()));
}

// Update bracket -----------------------------------------------------------

void TPlanGrid::BeginUpdate() {
    if (m_updateCount++ == 0) {
        setUpdatesEnabled(false);
        m_model->setDeferred(true);
    }
}

void TPlanGrid::EndUpdate() {
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0) {
        m_model->setDeferred(false);
        setUpdatesEnabled(true); // one repaint of the whole grid
    }
}

bool TPlanGrid::isUpdating() const {
    return m_updateCount > 0;
}

RowStreamLayout TPlanGrid::lastReadLayout() const {
    return m_lastReadLayout;
}

} // namespace vantrel
