// The planner grid: a table view over our own row model, with pick-list and
// spin editors that report every text change while they are open.
#pragma once

#include "grid/celltext.h"
#include "grid/gridcolumn.h"
#include "grid/gridrow.h"
#include "grid/rowstream.h"

#include <QPointer>
#include <QTableView>
#include <QVariant>
#include <vector>

class QAction;
class QIODevice;

namespace vantrel {

class TPlatform;
class TGridModel;
class TGridDelegate;
class TCellEditor;

class TPlanGrid : public QTableView {
    Q_OBJECT
public:
    // The platform gives the decimal separator of written numbers and the
    // spin editor's beep; it outlives the grid.
    explicit TPlanGrid(TPlatform& platform, QWidget* parent = nullptr);
    ~TPlanGrid() override;

    // Columns are added in cell-index order; the grid owns them.
    TGridColumn* addTextColumn(const QString& name, const QString& caption, int width);
    TGridPickColumn* addPickColumn(const QString& name, const QString& caption, int width);
    TGridSpinColumn* addSpinColumn(const QString& name, const QString& caption, int width);
    int columnCount() const;
    TGridColumn* column(int cellIndex) const;

    TGridRow* AddRow();
    TGridRow* FocusedRow() const;
    int RowCount() const;
    TGridRow* RowAt(int index) const;
    QVariant GetCellValue(TGridRow* row, int cellIndex) const;
    void SetCellValue(TGridRow* row, int cellIndex, const QVariant& value);
    QString GetCellText(TGridRow* row, int cellIndex) const;
    QString EditorText() const;
    int ColumnIndex(const TGridColumn* column) const;
    TGridColumn* ColumnByName(QStringView name) const;
    void FocusRow(TGridRow* row);
    void DeleteRow(TGridRow* row);
    void BeginUpdate();
    void EndUpdate();
    bool isUpdating() const;
    void ClearRows();

    // The row stream. A failed read leaves the rows as they were (throws
    // EError("Stream read error"), or the open message for a missing file or
    // one that is no regular file); a failed save leaves a file it replaces
    // by rename untouched (EError with the create message or "Stream write
    // error"; see saveFile).
    void WriteRows(QIODevice& device) const;
    void ReadRows(QByteArrayView bytes);
    void WriteRowsToFile(const QString& fileName) const;
    void ReadRowsFromFile(const QString& fileName);
    RowStreamLayout lastReadLayout() const;

    const TGridRowList& rows() const;

    // The open in-place editor, or null when none is open.
    QWidget* editorWidget() const;
    // The cell index of the focused column (kept while the grid has no rows).
    int focusedColumn() const;
    // The model behind the view.
    TGridModel* gridModel() const { return m_model; }

    // True while the grid or a widget inside it (the editor) has the focus.
    bool hasFocusWithin() const;

signals:
    // Raised just before a column's change notification (the grid's own edit change).
    void editChange(vantrel::TGridColumn* column);
    // Ctrl+C or the context menu's Copy, with the grid focused and no editor open.
    void copyRequested();
    // The context menu's Export as PDF, with no editor open.
    void exportPdfRequested();
    // Ctrl+P or the context menu's Print, with no editor open.
    void printRequested();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TGridDelegate;
    template <class Column>
    Column* addColumn(const QString& name, const QString& caption, int width);
    void columnCaptionChanged(const TGridColumn* column);
    // Shift+F10: the context menu at the focused cell, as the Menu key opens it.
    void openContextMenuFromKeyboard();
    void showContextMenu(QPoint viewportPos);
    // The delegate reports the editor it opened and each user change of its text.
    void editorOpened(TCellEditor* editor);
    void editorTextChangedByUser(TCellEditor* editor);
    void updateRow(int row);
    // Header sections in the scheme's button colour, tinted under the mouse.
    void styleHeader();
    QModelIndex indexFor(int row, int cellIndex) const;
    void focusIndex(int row);
    // A context menu command that raises the request unless an editor is open.
    QAction* addCommand(const char* name, const QString& caption, void (TPlanGrid::*request)());
    void addMenuCommands();

    TPlatform& m_platform;
    TGridModel* m_model;
    TGridDelegate* m_delegate;
    std::vector<TGridColumn*> m_columns;
    QPointer<TCellEditor> m_editor;
    int m_focusedColumn = 0;
    int m_updateCount = 0;
    RowStreamLayout m_lastReadLayout = RowStreamLayout::Current;
};

} // namespace vantrel
