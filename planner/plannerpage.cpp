#include "planner/plannerpage.h"

#include "grid/plangrid.h"
#include "planner/buttonpictures.h"
#include "planner/gridplanrows.h"
#include "planner/planclipboard.h"
#include "planner/plannercolumns.h"
#include "platform/platform.h"
#include "platform/ui/anchors.h"
#include "platform/ui/errorbox.h"
#include "platform/ui/legibility.h"
#include "platform/ui/linklabel.h"
#include "platform/ui/pagebuilding.h"
#include "platform/ui/tabsheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

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

} // namespace

TPlannerPage::TPlannerPage(TPlatform& platform, TFileDialog::Chooser chooser, QWidget* parent)
    : QWidget(parent), m_platform(platform) {
    setObjectName(QStringLiteral("plannerPage"));
    resize(kTabPageDesignSize);
    m_layout = new TAnchorLayout(this, kTabPageDesignSize);
    createControls();
    placeControls();
    // The partner link after the designed stops.
    setTabChain(
        {planGrid, btnAdd, btnRemove, edFPS, edBandwidth, edSpace, btnSave, btnLoad, lbLink});
    connectHandlers();

    OpenDialog1.DefaultExt = QStringLiteral("ip");
    OpenDialog1.Filter = QStringLiteral("Vantrel (*.ip)|*.ip");
    SaveDialog1.DefaultExt = QStringLiteral("ip");
    SaveDialog1.Filter = OpenDialog1.Filter;
    SaveDialog1.FileName = QStringLiteral("myconfig");
    OpenDialog1.setChooser(chooser);
    SaveDialog1.setChooser(chooser);
    ExportDialog1.setChooser(std::move(chooser));
}

TPlannerPage::~TPlannerPage() {
    // An editor closing while the grid is torn down must not reach the
    // handlers of a page that is already half gone.
    disconnectChildrenFrom(this);
}

void TPlannerPage::createControls() {
    planGrid = named(new TPlanGrid(m_platform, this), "planGrid");
    addPlannerColumns(*planGrid);
    m_rows = std::make_unique<TGridPlanRows>(*planGrid);
    btnAdd = pictureButton(this, "btnAdd", "&Add new type", addPicture());
    btnRemove = pictureButton(this, "btnRemove", "&Remove", removePicture());
    edFPS = totalBox(this, "edFPS", "100");
    edBandwidth = totalBox(this, "edBandwidth", "1 Mbit/sec");
    edSpace = totalBox(this, "edSpace", "1 GB");
    btnSave = pictureButton(this, "btnSave", "&Save", savePicture());
    btnLoad = pictureButton(this, "btnLoad", "&Load", loadPicture());
    lbFPS = namedLabel(this, "lbFPS", "Total FPS");
    lbBand = namedLabel(this, "lbBand", "Bandwidth, Mbits/s");
    lbDisk = namedLabel(this, "lbDisk", "Disk space,GB");
    lbTotal = namedLabel(this, "lbTotal", "TOTAL:");
    lbBanner = namedLabel(this, "lbBanner", QString());
    lbLink = named(new TLinkLabel(this), "lbLink");
    labelField(lbFPS, edFPS);
    labelField(lbBand, edBandwidth);
    labelField(lbDisk, edSpace);
}

void TPlannerPage::placeControls() {
    m_layout->place(planGrid, {16, 48, 671, 369}, kAllSides);
    m_layout->place(btnAdd, {16, 16, 105, 25}, kLeftTop);
    m_layout->place(btnRemove, {128, 16, 105, 25}, kLeftTop);
    m_layout->place(edFPS, {393, 450, 74, 21}, kRightBottom);
    m_layout->place(edBandwidth, {481, 450, 93, 21}, kRightBottom);
    m_layout->place(edSpace, {585, 450, 89, 21}, kRightBottom);
    m_layout->place(btnSave, {586, 16, 105, 25}, kRightTop);
    m_layout->place(btnLoad, {474, 16, 105, 25}, kRightTop);
    m_layout->placeFitted(lbFPS, {394, 432, 47, 13}, kRightBottom);
    m_layout->placeFitted(lbBand, {483, 432, 91, 13}, kRightBottom,
                          TAnchorLayout::Keep::RightEdge); // lbDisk follows closely
    m_layout->placeFitted(lbDisk, {587, 432, 71, 13}, kRightBottom);
    m_layout->placeFitted(lbTotal, {340, 456, 38, 13}, kRightBottom);
    m_layout->place(lbBanner, {16, 428, 329, 29}, kLeftBottom);
    // Sized to its caption, so the hand cursor and the click end with the text.
    m_layout->placeFitted(lbLink, {16, 456, 237, 13}, kLeftBottom);
}

void TPlannerPage::connectHandlers() {
    connect(btnAdd, &QPushButton::clicked, this,
            [this] { reportErrors([this] { btnAddClick(); }); });
    connect(btnRemove, &QPushButton::clicked, this, [this] { btnRemoveClick(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnLoad, &QPushButton::clicked, this, [this] { btnLoadClick(); });
    connectChange("cResolution", &TPlannerPage::cResolutionChange);
    connectChange("cCompression", &TPlannerPage::cCompressionChange);
    connectChange("cFrameSize", &TPlannerPage::cFrameSizeChange);
    connectChange("cFPS", &TPlannerPage::cFPSDAYSCAMSChange);
    connectChange("cDays", &TPlannerPage::cFPSDAYSCAMSChange);
    connectChange("cCamNum", &TPlannerPage::cFPSDAYSCAMSChange);
    connect(planGrid, &TPlanGrid::copyRequested, this,
            [this] { copyPlanToClipboard(*planGrid, shownTotals(), lbTotal->text()); });
    connect(planGrid, &TPlanGrid::exportPdfRequested, this, [this] { miExportPdfClick(); });
    connect(planGrid, &TPlanGrid::printRequested, this, [this] { miPrintClick(); });
}

void TPlannerPage::connectChange(const char* column, void (TPlannerPage::*handler)(TGridColumn*)) {
    connect(
        planGrid->ColumnByName(QString::fromLatin1(column)), &TGridColumn::change, this,
        [this, handler](TGridColumn* sender) { reportErrors([&] { (this->*handler)(sender); }); });
}

void TPlannerPage::fillPickLists() {
    vantrel::fillPickLists(*planGrid);
}

void TPlannerPage::focusGrid() {
    planGrid->setFocus(Qt::OtherFocusReason);
}

QLabel* TPlannerPage::bannerLabel() const {
    return lbBanner;
}

QLabel* TPlannerPage::linkLabel() const {
    return lbLink;
}

} // namespace vantrel
