#include "app/calc.h"

#include "app/captions/captions.h"
#include "app/windowfont.h"
#include "lens/lenspage.h"
#include "partners/aboutpage.h"
#include "partners/partnerbanner.h"
#include "partners/programicon.h"
#include "planner/plandrop.h"
#include "planner/plannerpage.h"
#include "platform/platform.h"
#include "platform/ui/anchors.h"
#include "platform/ui/errorbox.h"
#include "platform/ui/fieldnames.h"
#include "platform/ui/linklabel.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/tabsheet.h"
#include "platform/ui/windowplacement.h"

#include <QVBoxLayout>

namespace vantrel {

namespace {

// A page fills its tab sheet and follows it when the window is resized.
template <class Page> Page* placed(Page* page, TTabSheet* sheet) {
    auto* layout = new TAnchorLayout(sheet, kTabPageDesignSize);
    layout->place(page, QRect(QPoint(0, 0), kTabPageDesignSize), kAllSides);
    return page;
}

} // namespace

TCalc::TCalc(TPlatform& platform, TFileDialog::Chooser chooser, QWidget* parent)
    : QWidget(parent), adverts(platform), m_platform(platform) {
    setObjectName(QStringLiteral("Calc"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(programIcon());
    setFont(windowFont());
    // The button-face colour as the window's own, so that every control keeps
    // its usual text colours (a Button background role would make them all
    // draw in the button-text colour instead of their own).
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    resize(kDesignClientSize);
    setMinimumSize(kMinimumClientSize);
    placeOnScreen(this, kDesignPosition, kDesignFrameMargins);

    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(PageControl1);

    tsCalc = new TTabSheet(QStringLiteral("tsCalc"), QStringLiteral("Bandwidth && Disk Space"),
                           PageControl1);
    tsFocus =
        new TTabSheet(QStringLiteral("tsFocus"), QStringLiteral("Lens && Angle"), PageControl1);
    tsAbout = new TTabSheet(QStringLiteral("tsAbout"), QStringLiteral("?"), PageControl1);
    tsAbout->setTabAccessibleName(QStringLiteral("About"));
    plannerPage = placed(new TPlannerPage(platform, std::move(chooser), tsCalc), tsCalc);
    lensPage = placed(new lens::TLensPage(platform.decimalSeparator(), tsFocus), tsFocus);
    aboutPage = placed(new TAboutPage(tsAbout), tsAbout);
    PageControl1->setCurrentWidget(tsCalc);
    banner = new TPartnerBanner(plannerPage->bannerLabel(), plannerPage->linkLabel(), adverts,
                                platform, this);
    connect(plannerPage, &TPlannerPage::focusedRowRecalculated, this, &TCalc::ChangeAd);
    acceptPlanDrops(this, [this](const QString& path) { plannerPage->loadPlanFile(path); });

    MyFormCreate();
    // First in the tab order, the grid has the keyboard when the window first shows.
    plannerPage->focusGrid();
}

TCalc::~TCalc() = default;

// The start-up sequence, run once before the window is first shown.
void TCalc::MyFormCreate() {
    adverts.setLastAdTick(m_platform.tickCount());
    adverts.random().seedFromClock();
    lensPage->selectDefaultSensor();
    plannerPage->fillPickLists();
    SystemLanguage = languageByte(m_platform);
    LocalizeCaptions(this, SystemLanguage);
    nameFieldsByLabels(this);
    aboutPage->completeVersionLabel();
    plannerPage->btnAddClick();
    banner->showFirstAd();
}

void TCalc::ChangeAd() {
    banner->afterRecalculation(plannerPage->recalcCount());
}

void TCalc::loadPlanFile(const QString& path) {
    plannerPage->loadPlanFile(path);
}

} // namespace vantrel
