#include "lens/lenspage.h"

#include "lens/comboinput.h"
#include "lens/diagrambox.h"
#include "lens/fieldcolours.h"
#include "lens/lensformat.h"
#include "lens/lensformulas.h"
#include "lens/lensitems.h"
#include "lens/lensreaders.h"
#include "lens/paintbox.h"
#include "lens/paintercanvas.h"
#include "lens/shape.h"
#include "lens/spinedit.h"
#include "platform/ui/legibility.h"
#include "platform/ui/pagebuilding.h"
#include "platform/ui/tabsheet.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace vantrel::lens {

TLensPage::TLensPage(QChar decimalSeparator, QWidget* parent)
    : QWidget(parent), m_separator(decimalSeparator) {
    setObjectName(QStringLiteral("lensPage"));
    resize(kTabPageDesignSize);
    m_layout = new TAnchorLayout(this, kTabPageDesignSize);
    createControls();
    placeControls();
    setTabChain({cbMatrix, seAngle, edFocalLen, cbScale, cbObjDistance, cbWidth, cbCamHeight,
                 seTilt, cbObjHeight});
    connectHandlers();
}

TLensPage::~TLensPage() {
    disconnectChildrenFrom(this);
}

void TLensPage::createControls() {
    // Paint boxes and bars lie under the fields, as drawn controls do.
    pb = named(new TDiagramBox([this] { return diagramFields(); },
                               [this](const QString& tilt) { seTilt->setText(tilt); }, this),
               "pb");
    // %1 the tilt, %2 the scene width, %3 the distance, as the fields read.
    pb->setDescriptionPattern(
        tr("Field of view from the side and from above: tilt %1°, width %2 at distance %3"));
    PaintBox2 = named(new TPaintBox(this), "PaintBox2");
    // The bars key the fields beside them to the diagram's lines: the
    // object's height and the scene's width.
    Shape1 = named(new TShape(penColour(DiagramPen::Green), this), "Shape1");
    Shape2 = named(new TShape(penColour(DiagramPen::Lime), this), "Shape2");

    lbCamHeight = addLabel("lbCamHeight", tr("Camera height:"), {16, 40}, kLeftTop);
    lbCamAngle = addLabel("lbCamAngle", tr("Camera Angle:"), {16, 80}, kLeftTop);
    lbCCD = addLabel("lbCCD", tr("Camera sensor size:"), {16, 136}, kLeftTop);
    lbAngle = addLabel("lbAngle", tr("Angle (degree):"), {16, 184}, kLeftTop);
    lbFocalLen = addLabel("lbFocalLen", tr("Focal Length (mm):"), {16, 232}, kLeftTop);
    lbScale = addLabel("lbScale", tr("Scale"), {16, 296}, kLeftTop);
    // Right-aligned: the caption grows to the left, away from its box.
    lbObjDistance = addLabel("lbObjDistance", tr("Distance"), {282, 14}, kLeftTop, true, 42);
    lbObjHeight = addLabel("lbObjHeight", tr("Object Height:"), {522, 64}, kRightTop);
    lbWidth = addLabel("lbWidth", tr("Width"), {522, 176}, kRightTop);

    cbMatrix = addCombo("cbMatrix", lbCCD, sensorFormatItems(), QString(), false);
    seAngle = labelled(lbAngle, named(new TSpinEdit(m_separator, this), "seAngle"));
    seAngle->setRange(kMinAngle, kMaxAngle);
    seAngle->setText(QStringLiteral("28"));
    edFocalLen =
        labelled(lbFocalLen, named(new QLineEdit(QStringLiteral("6"), this), "edFocalLen"));
    cbCamHeight = addCombo("cbCamHeight", lbCamHeight, camHeightItems(), QStringLiteral("7"), true);
    seTilt = labelled(lbCamAngle, named(new TSpinEdit(m_separator, this), "seTilt"));
    seTilt->setRange(0, 0);
    seTilt->setText(QStringLiteral("15"));
    seTilt->setEnabled(false);
    // Not editable, yet it shows a result: its value must read.
    setLegibleDisabledText(seTilt, QPalette::Text, QPalette::Base);
    cbScale = addCombo("cbScale", lbScale, scaleItems(), QStringLiteral("1"), true);
    cbObjDistance =
        addCombo("cbObjDistance", lbObjDistance, distanceItems(), QStringLiteral("20"), true);
    cbObjHeight = addCombo("cbObjHeight", lbObjHeight, objHeightItems(m_separator),
                           QStringLiteral("2"), true);
    cbWidth = addCombo("cbWidth", lbWidth, widthItems(), QStringLiteral("10"), true);
}

QLabel* TLensPage::addLabel(const char* name, const QString& text, QPoint anchorPoint,
                            Anchors anchors, bool alignRight, int minimumWidth) {
    QLabel* label = namedLabel(this, name, text);
    if (alignRight)
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // The design rectangle is empty at its anchor point; the layout sizes it.
    m_layout->placeFitted(
        label, QRect(anchorPoint, QSize(0, 0)), anchors,
        alignRight ? TAnchorLayout::Keep::RightEdge : TAnchorLayout::Keep::LeftEdge, minimumWidth);
    return label;
}

QComboBox* TLensPage::addCombo(const char* name, QLabel* caption, const QStringList& items,
                               const QString& text, bool editable) {
    // Captioned before its items, which a screen reader may already hear.
    auto* combo = labelled(caption, named(new QComboBox(this), name));
    combo->addItems(items);
    if (editable) {
        combo->setEditable(true);
        // Typed text is the field's value: no completion, never added to the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        const int index = combo->findText(text);
        combo->setCurrentIndex(index);
        if (index < 0)
            combo->setEditText(text);
    }
    return combo;
}

void TLensPage::placeControls() {
    m_layout->place(pb, {160, 40, 339, 369}, kAllSides);
    m_layout->place(PaintBox2, {520, 232, 161, 97}, kLeftTop);
    m_layout->place(Shape1, {514, 80, 3, 21}, kRightTop);
    m_layout->place(Shape2, {514, 192, 3, 21}, kRightTop);
    m_layout->place(cbMatrix, {16, 152, 105, 21});
    m_layout->place(seAngle, {16, 200, 105, 22});
    m_layout->place(edFocalLen, {16, 248, 105, 21});
    m_layout->place(cbCamHeight, {16, 56, 105, 21});
    m_layout->place(seTilt, {16, 96, 105, 22});
    m_layout->place(cbScale, {16, 312, 105, 21});
    m_layout->place(cbObjDistance, {288, 10, 65, 21});
    m_layout->place(cbObjHeight, {522, 80, 89, 21}, kRightTop);
    m_layout->place(cbWidth, {522, 192, 89, 21}, kRightTop);
}

void TLensPage::connectUserChange(QComboBox* combo, void (TLensPage::*handler)()) {
    auto* input = new TComboInput(combo);
    const auto run = [this, handler] { (this->*handler)(); };
    connect(input, &TComboInput::typed, this, run);
    connect(input, &TComboInput::picked, this, run);
}

void TLensPage::connectWidthInput() {
    auto* input = new TComboInput(cbWidth);
    connect(input, &TComboInput::typed, this, [this] { cbWidthTyped(); });
    connect(input, &TComboInput::picked, this, [this] { cbWidthChange(); });
    connect(input, &TComboInput::finished, this, [this] { cbWidthDone(); });
}

void TLensPage::connectHandlers() {
    connect(seAngle, &TSpinEdit::textChanged, this, [this] { seAngleChange(); });
    connect(seTilt, &TSpinEdit::textChanged, this, [this] { seTiltChange(); });
    connectUserChange(cbMatrix, &TLensPage::cbMatrixChange);
    connectUserChange(cbScale, &TLensPage::cbScaleChange);
    connectUserChange(cbObjDistance, &TLensPage::cbObjDistanceChange);
    connectWidthInput();
    connectUserChange(cbCamHeight, &TLensPage::cbCamHeightChange);
    connectUserChange(cbObjHeight, &TLensPage::cbObjHeightChange);
    connect(PaintBox2, &TPaintBox::paint, this, &TLensPage::pbPaint);
}

void TLensPage::selectDefaultSensor() {
    cbMatrix->setCurrentIndex(4);
}

qint32 TLensPage::angle() const {
    return seAngle->value();
}

// --- change handlers ---

void TLensPage::seAngleChange() {
    // At angle 0 there is no focal length; the field keeps its last one.
    if (angle() != 0) {
        if (CalcFocalLength())
            setFieldColour(edFocalLen, FieldColour::Computed);
    } else {
        setFieldColour(edFocalLen, FieldColour::InvalidAngle);
    }
    CalcSceneWidth();
}

void TLensPage::cbMatrixChange() {
    if (angle() != 0)
        CalcFocalLength();
}

void TLensPage::cbObjDistanceChange() {
    CalcSceneWidth();
    repaintDiagram();
    setFieldColour(cbWidth, FieldColour::Computed);
}

void TLensPage::cbScaleChange() {
    if (angle() != 0)
        CalcFocalLength();
    CalcSceneWidth();
    repaintDiagram();
}

void TLensPage::cbWidthChange() {
    CalcAngleFromWidth();
}

// Each keystroke runs the width's chain, but the width that the new angle
// gives would replace the text under the user's fingers, so it waits until
// the user is done with the field.
void TLensPage::cbWidthTyped() {
    const QScopedValueRollback typing(m_typingWidth, true);
    cbWidthChange();
}

void TLensPage::cbWidthDone() {
    if (!m_widthPending)
        return;
    writeSceneWidth();
    repaintDiagram();
}

void TLensPage::seTiltChange() {
    repaintDiagram();
}

void TLensPage::cbCamHeightChange() {
    repaintDiagram();
}

void TLensPage::cbObjHeightChange() {
    repaintDiagram();
    CalcCameraTilt();
}

// --- calculations ---

bool TLensPage::CalcFocalLength() {
    const std::optional<double> sensor = sensorWidthMm(cbMatrix->currentIndex());
    const std::optional<double> focal = sensor ? focalLengthMm(angle(), *sensor) : std::nullopt;
    if (!focal)
        return false;
    edFocalLen->setText(formatOneDecimal(*focal, m_separator));
    return true;
}

void TLensPage::CalcSceneWidth() {
    if (m_typingWidth)
        m_widthPending = true;
    else
        writeSceneWidth();
    setFieldColour(cbWidth, FieldColour::Computed);
    setFieldColour(seAngle, FieldColour::Input);
    repaintDiagram();
}

void TLensPage::writeSceneWidth() {
    m_widthPending = false;
    const qint32 distance = readWhole(cbObjDistance->currentText(), fallback::kSceneWidthDistance);
    cbWidth->setEditText(formatOneDecimal(sceneWidth(angle(), distance), m_separator));
}

void TLensPage::CalcAngleFromWidth() {
    const double distance =
        readDecimalOr(cbObjDistance->currentText(), m_separator, fallback::kAngleDistance);
    const double width = readDecimalOr(cbWidth->currentText(), m_separator, fallback::kAngleWidth);
    // A changed angle runs the angle handler inside this write.
    seAngle->setValue(angleFromWidth(angle(), distance, width));
    setFieldColour(seAngle, FieldColour::Computed);
    setFieldColour(cbWidth, FieldColour::Input);
    repaintDiagram();
}

void TLensPage::CalcCameraTilt() {
    const double camHeight =
        readDecimalOr(cbCamHeight->currentText(), m_separator, fallback::kTiltCamHeight);
    const double objHeight =
        readDecimalOr(cbObjHeight->currentText(), m_separator, fallback::kTiltObjHeight);
    const double distance =
        readDecimalOr(cbObjDistance->currentText(), m_separator, fallback::kTiltDistance);
    seTilt->setText(QString::number(cameraTiltDegrees(camHeight, objHeight, distance)));
    // The diagram writes its own tilt over this one.
    repaintDiagram();
}

// --- the diagram ---

void TLensPage::repaintDiagram() {
    pb->redraw();
}

// PaintBox2 stays empty; each paint of it draws the diagram on pb again.
void TLensPage::pbPaint(QObject*) {
    pb->redrawDuringOtherPaint();
}

DiagramFields TLensPage::diagramFields() const {
    DiagramFields f;
    f.camHeight = cbCamHeight->currentText();
    f.scale = cbScale->currentText();
    f.distance = cbObjDistance->currentText();
    f.objHeight = cbObjHeight->currentText();
    f.width = cbWidth->currentText();
    f.angle = angle();
    f.separator = m_separator;
    return f;
}

} // namespace vantrel::lens
