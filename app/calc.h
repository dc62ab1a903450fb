// The main window: the three tab pages, the start-up sequence and the partner
// banner under the planner grid. The pages do the work.
#pragma once

#include "partners/adrotation.h"
#include "planner/filedialog.h"

#include <QMargins>
#include <QWidget>

class QTabWidget;

namespace vantrel {

class TAboutPage;
class TPartnerBanner;
class TPlannerPage;
class TPlatform;
class TTabSheet;

namespace lens {
class TLensPage;
}

class TCalc : public QWidget {
    Q_OBJECT
public:
    // The platform answers the language, the clock and the decimal separator;
    // the chooser answers the planner's open and save dialogs (empty: Qt's
    // dialogs ask the user).
    explicit TCalc(TPlatform& platform, TFileDialog::Chooser chooser = {},
                   QWidget* parent = nullptr);
    ~TCalc() override;

    void ChangeAd();
    // Loads a plan as Load does after its dialog: a file named on the command line.
    void loadPlanFile(const QString& path);

    // Which partner record is on show and when the banner may next rotate.
    TAdverts adverts;

private:
    void MyFormCreate();

    TPlatform& m_platform;
    // Rotates the partner texts of the planner page's banner and link.
    TPartnerBanner* banner;
    // The low eight bits of the system's language, stored at start-up.
    int SystemLanguage = 0;
    QTabWidget* PageControl1;
    TTabSheet* tsCalc;
    TTabSheet* tsFocus;
    TTabSheet* tsAbout;
    TPlannerPage* plannerPage;
    lens::TLensPage* lensPage;
    TAboutPage* aboutPage;
};

// The window's design figures: client area at start and its minimum.
inline constexpr QSize kDesignClientSize{712, 506};
inline constexpr QSize kMinimumClientSize{645, 326};
inline constexpr QPoint kDesignPosition{132, 99};
// The frame around the client area in the design's outer size of 720 x 540.
inline constexpr QMargins kDesignFrameMargins{4, 30, 4, 4};

} // namespace vantrel
