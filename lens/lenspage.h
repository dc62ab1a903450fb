// The lens and angle tab: sensor format, angle, focal length, distance, scene
// width, heights and scale, the handlers that recompute them from one another,
// and the field-of-view diagram that also works out the camera's tilt.
#pragma once

#include "lens/diagram.h"
#include "platform/ui/anchors.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vantrel::lens {

class TDiagramBox;
class TPaintBox;
class TShape;
class TSpinEdit;

class TLensPage : public QWidget {
    Q_OBJECT
public:
    // decimalSeparator: the user's, for the numbers the fields read and show.
    explicit TLensPage(QChar decimalSeparator, QWidget* parent = nullptr);
    ~TLensPage() override;

    // Start-up: selects the 1/4 inch format; runs no handler, computes nothing.
    void selectDefaultSensor();

private:
    // Change handlers. Spin fields run theirs on every change of their text;
    // combo boxes only when the user types or picks.
    void cbMatrixChange();
    void seAngleChange();
    void cbScaleChange();
    void cbObjDistanceChange();
    void cbWidthChange();
    void cbCamHeightChange();
    void seTiltChange();
    void cbObjHeightChange();
    // The paint handler of PaintBox2 (pb paints itself): it always draws on pb.
    void pbPaint(QObject* sender);

    // The calculations behind the fields. CalcFocalLength reports whether it
    // could write a value; when it cannot, the field keeps its text.
    bool CalcFocalLength();
    void CalcSceneWidth();
    void CalcCameraTilt();
    void CalcAngleFromWidth();

    void createControls();
    void placeControls();
    void connectHandlers();
    QLabel* addLabel(const char* name, const QString& text, QPoint topLeft, Anchors anchors,
                     bool alignRight = false, int minimumWidth = 0);
    QComboBox* addCombo(const char* name, QLabel* caption, const QStringList& items,
                        const QString& text, bool editable);
    void connectUserChange(QComboBox* combo, void (TLensPage::*handler)());
    void connectWidthInput();
    void cbWidthTyped();
    // The user is done typing the width: it becomes the width of the angle.
    void cbWidthDone();
    void writeSceneWidth();

    // "Repaint": draws the diagram at once, before the caller goes on.
    void repaintDiagram();
    DiagramFields diagramFields() const;
    qint32 angle() const;

    // The controls, named as the window's captions and handlers know them.
    QLabel* lbCCD = nullptr;
    QComboBox* cbMatrix = nullptr;
    QLabel* lbAngle = nullptr;
    TSpinEdit* seAngle = nullptr;
    QLabel* lbFocalLen = nullptr;
    QLineEdit* edFocalLen = nullptr;
    QLabel* lbCamHeight = nullptr;
    QComboBox* cbCamHeight = nullptr;
    QLabel* lbCamAngle = nullptr;
    TSpinEdit* seTilt = nullptr;
    QLabel* lbScale = nullptr;
    QComboBox* cbScale = nullptr;
    QLabel* lbObjDistance = nullptr;
    QComboBox* cbObjDistance = nullptr;
    QLabel* lbObjHeight = nullptr;
    TShape* Shape1 = nullptr;
    QComboBox* cbObjHeight = nullptr;
    QLabel* lbWidth = nullptr;
    TShape* Shape2 = nullptr;
    QComboBox* cbWidth = nullptr;
    TDiagramBox* pb = nullptr;
    TPaintBox* PaintBox2 = nullptr;

    const QChar m_separator;
    TAnchorLayout* m_layout = nullptr;
    // A keystroke in cbWidth is being handled: its text is the user's.
    bool m_typingWidth = false;
    // The width typed has not yet been replaced by the width of the angle.
    bool m_widthPending = false;
};

} // namespace vantrel::lens
