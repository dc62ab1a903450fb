#include "app/calc.h"

#include "app/errorbox.h"
#include "app/windowfont.h"
#include "grid/plangrid.h"
#include "lens/lenspage.h"
#include "partners/aboutpage.h"
#include "partners/programicon.h"
#include "platform/ui/anchors.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/tabsheet.h"
#include "platform/ui/windowplacement.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace vantrel {

TCalc::TCalc(QWidget* parent) : QWidget(parent) {
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
    createPlannerTab();
    createLensTab();
    createAboutTab();
    PageControl1->setCurrentWidget(tsCalc);

    OpenDialog1.DefaultExt = QStringLiteral("ip");
    OpenDialog1.Filter = QStringLiteral("Vantrel (*.ip)|*.ip");
    SaveDialog1.DefaultExt = QStringLiteral("ip");
    SaveDialog1.Filter = OpenDialog1.Filter;
    SaveDialog1.FileName = QStringLiteral("myconfig");

    wireEvents();
    MyFormCreate();
    // First in the tab order, the grid has the keyboard when the window first shows.
    planGrid->setFocus(Qt::OtherFocusReason);
}

TCalc::~TCalc() = default;

void TCalc::createLensTab() {
    lensPage = new lens::TLensPage(tsFocus);
    auto* layout = new AnchorLayout(tsFocus, kTabPageDesignSize);
    layout->place(lensPage, QRect(QPoint(0, 0), kTabPageDesignSize), kAllSides);
}

void TCalc::createAboutTab() {
    aboutPage = new TAboutPage(tsAbout);
    auto* layout = new AnchorLayout(tsAbout, kTabPageDesignSize);
    layout->place(aboutPage, QRect(QPoint(0, 0), kTabPageDesignSize), kAllSides);
}

} // namespace vantrel
