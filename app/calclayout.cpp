// The controls of the planner tab at their design positions.
#include "app/buttonpictures.h"
#include "app/calc.h"
#include "grid/plangrid.h"
#include "partners/adrotation.h"
#include "partners/partnerbanner.h"
#include "platform/ui/anchors.h"
#include "platform/ui/legibility.h"
#include "platform/ui/tabsheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

constexpr Anchors kRightTop = Anchors(int(Anchor::Right) | int(Anchor::Top));
constexpr Anchors kRightBottom = Anchors(int(Anchor::Right) | int(Anchor::Bottom));
constexpr Anchors kLeftBottom = Anchors(int(Anchor::Left) | int(Anchor::Bottom));

const QColor kComputedColour(224, 238, 254);

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* pictureButton(QWidget* page, const char* name, const QString& caption,
                           const QIcon& picture) {
    auto* button = named(new QPushButton(picture, caption, page), name);
    button->setIconSize(QSize(16, 16));
    return button;
}

QLineEdit* totalBox(QWidget* page, const char* name, const QString& designText) {
    auto* box = named(new QLineEdit(designText, page), name);
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kComputedColour);
    box->setPalette(palette);
    // The light background stays in a dark colour scheme, so the text goes dark.
    setLegibleText(box, QPalette::Text, QPalette::Base);
    return box;
}

QLabel* label(QWidget* page, const char* name, const QString& caption) {
    return named(new QLabel(caption, page), name);
}

} // namespace

void TCalc::createPlannerGrid() {
    planGrid = named(new TPlanGrid(tsCalc), "planGrid");
    planGrid->addPickColumn("cResolution", "Resolution", 105);
    planGrid->addPickColumn("cCompression", "Compression", 132)->DropDownRows = 9;
    planGrid->addSpinColumn("cFrameSize", "Frame Size*, KB", 87)->setColor(QColor(255, 255, 230));
    auto* fps = planGrid->addSpinColumn("cFPS", "FPS", 37);
    fps->MinValue = 1;
    fps->MaxValue = 100;
    planGrid->addSpinColumn("cDays", "Days", 42);
    planGrid->addSpinColumn("cCamNum", "Cameras", 67);
    for (auto [name, caption, width] : {std::tuple{"cBand", "Bandwidth, Mbit/s", 96},
                                        std::tuple{"cSize", "Disk Space, GB", 100}}) {
        TGridColumn* column = planGrid->addTextColumn(name, caption, width);
        column->setColor(kComputedColour);
        column->setReadOnly(true);
    }
}

void TCalc::createPlannerTab() {
    auto* layout = new AnchorLayout(tsCalc, kTabPageDesignSize);
    createPlannerGrid();
    btnAdd = pictureButton(tsCalc, "btnAdd", "&Add new type", addPicture());
    btnRemove = pictureButton(tsCalc, "btnRemove", "&Remove", removePicture());
    edFPS = totalBox(tsCalc, "edFPS", "100");
    edBandwidth = totalBox(tsCalc, "edBandwidth", "1 Mbit/sec");
    edSpace = totalBox(tsCalc, "edSpace", "1 GB");
    btnSave = pictureButton(tsCalc, "btnSave", "&Save", savePicture());
    btnLoad = pictureButton(tsCalc, "btnLoad", "&Load", loadPicture());
    lbFPS = label(tsCalc, "lbFPS", "Total FPS");
    lbBand = label(tsCalc, "lbBand", "Bandwidth, Mbits/s");
    lbDisk = label(tsCalc, "lbDisk", "Disk space,GB");
    lbTotal = label(tsCalc, "lbTotal", "TOTAL:");
    lbBanner = label(tsCalc, "lbBanner", QString());
    lbLink = label(tsCalc, "lbLink", QString());
    banner = new TPartnerBanner(lbBanner, lbLink, adverts(), this);

    layout->place(planGrid, {16, 48, 671, 369}, kAllSides);
    layout->place(btnAdd, {16, 16, 105, 25}, kLeftTop);
    layout->place(btnRemove, {128, 16, 105, 25}, kLeftTop);
    layout->place(edFPS, {393, 450, 74, 21}, kRightBottom);
    layout->place(edBandwidth, {481, 450, 93, 21}, kRightBottom);
    layout->place(edSpace, {585, 450, 89, 21}, kRightBottom);
    layout->place(btnSave, {586, 16, 105, 25}, kRightTop);
    layout->place(btnLoad, {474, 16, 105, 25}, kRightTop);
    layout->placeFitted(lbFPS, {394, 432, 47, 13}, kRightBottom);
    layout->placeFitted(lbBand, {483, 432, 91, 13}, kRightBottom,
                        AnchorLayout::Keep::RightEdge); // lbDisk follows closely
    layout->placeFitted(lbDisk, {587, 432, 71, 13}, kRightBottom);
    layout->placeFitted(lbTotal, {340, 456, 38, 13}, kRightBottom);
    layout->place(lbBanner, {16, 428, 329, 29}, kLeftBottom);
    // Sized to its caption, so the hand cursor and the click end with the text.
    layout->placeFitted(lbLink, {16, 456, 237, 13}, kLeftBottom);

    QWidget::setTabOrder(planGrid, btnAdd);
    QWidget::setTabOrder(btnAdd, btnRemove);
    QWidget::setTabOrder(btnRemove, edFPS);
    QWidget::setTabOrder(edFPS, edBandwidth);
    QWidget::setTabOrder(edBandwidth, edSpace);
    QWidget::setTabOrder(edSpace, btnSave);
    QWidget::setTabOrder(btnSave, btnLoad);
}

} // namespace vantrel
