// The planner grid's columns: plain text, pick list and integer spin columns.
// The object name is the component name (found by ColumnByName and by the
// caption translation); the cell index never changes once the column is added.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

namespace vantrel {

class TPlanGrid;

// No column may be dragged narrower.
inline constexpr int kMinColumnWidth = 20;

class TGridColumn : public QObject {
    Q_OBJECT
public:
    enum class Kind { Text, Pick, Spin };

    TGridColumn(const QString& name, const QString& caption, int width, QObject* parent);

    virtual Kind kind() const { return Kind::Text; }

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption); // raises captionChanged
    int width() const { return m_width; }
    QColor color() const { return m_color; } // invalid: the grid's own colour
    void setColor(const QColor& color) { m_color = color; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    int minWidth() const { return kMinColumnWidth; }
    int cellIndex() const { return m_cellIndex; }

signals:
    // Raised on every change of the open editor's text made by the user
    // (never by code), with this column as the sender.
    void change(vantrel::TGridColumn* sender);
    // The caption changed; the grid's header follows at once.
    void captionChanged(const vantrel::TGridColumn* column);

private:
    friend class TPlanGrid;
    QString m_caption;
    int m_width;
    QColor m_color;
    bool m_readOnly = false;
    int m_cellIndex = -1;
};

class TGridPickColumn : public TGridColumn {
    Q_OBJECT
public:
    using TGridColumn::TGridColumn;
    Kind kind() const override { return Kind::Pick; }

    QStringList Items;
    bool DropDownListStyle = false;
    int DropDownRows = 7;
    bool ImmediateDropDown = true;
};

class TGridSpinColumn : public TGridColumn {
    Q_OBJECT
public:
    using TGridColumn::TGridColumn;
    Kind kind() const override { return Kind::Spin; }

    // Equal values mean no limits.
    double MinValue = 0;
    double MaxValue = 0;
    int Increment = 1;
};

} // namespace vantrel
