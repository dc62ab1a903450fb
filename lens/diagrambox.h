// The area the field-of-view diagram is drawn on. It draws at once when asked,
// before the caller goes on, and hands the tilt each drawing works out to its
// owner, even when it cannot be painted just then.
#pragma once

#include "lens/diagram.h"

#include <QWidget>
#include <functional>

namespace vantrel::lens {

class TDiagramBox : public QWidget {
    Q_OBJECT
    // How a screen reader describes the drawing: %1 the tilt, %2 the scene
    // width, %3 the distance, as the fields read.
    Q_PROPERTY(QString descriptionPattern MEMBER m_descriptionPattern)
public:
    using FieldsSource = std::function<DiagramFields()>;
    using TiltSink = std::function<void(const QString&)>;

    // fields: read at the start of every drawing; writeTilt: takes the tilt
    // worked out, and may ask for another drawing from inside.
    TDiagramBox(FieldsSource fields, TiltSink writeTilt, QWidget* parent = nullptr);

    void setDescriptionPattern(const QString& pattern) { m_descriptionPattern = pattern; }

    // Draws the diagram now. Asked for during a drawing, it draws over the
    // surface in progress.
    void redraw();
    // The same, asked for from inside another widget's paint event, where
    // this one cannot be painted.
    void redrawDuringOtherPaint();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawOn(TDiagramCanvas& canvas);

    FieldsSource m_fields;
    TiltSink m_writeTilt;
    QString m_descriptionPattern;
    // The surface of the drawing in progress.
    TDiagramCanvas* m_canvas = nullptr;
    bool m_inOtherPaint = false;
    bool m_painted = false;
};

} // namespace vantrel::lens
