// The main window: owns every control of the three tabs, wires their events to
// the handlers, and runs the start-up sequence. The work itself lives in the
// planner, lens and partner libraries.
#pragma once

#include "app/filedialog.h"

#include <QMargins>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vantrel {

class TAboutPage;
class TGridColumn;
class TPartnerBanner;
class TPlanGrid;
class TTabSheet;

namespace lens {
class TLensPage;
}

class TCalc : public QWidget {
    Q_OBJECT
public:
    explicit TCalc(QWidget* parent = nullptr);
    ~TCalc() override;

    // Handlers, named after their control and event.
    void MyFormCreate();
    void btnAddClick();
    void btnRemoveClick();
    void btnSaveClick();
    void btnLoadClick();
    // Load's reading and recalculation for a chosen file (also a dropped one).
    void loadPlanFile(const QString& fileName);
    void cResolutionChange(TGridColumn* sender);
    void cCompressionChange(TGridColumn* sender);
    void cFrameSizeChange(TGridColumn* sender);
    void cFPSDAYSCAMSChange(TGridColumn* sender);

    void RecalcFocusedRow();
    void RecalcTotals();
    void ChangeAd();

    QTabWidget* PageControl1;
    TTabSheet* tsCalc;
    TTabSheet* tsFocus;
    TTabSheet* tsAbout;

    TPlanGrid* planGrid;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QLineEdit* edFPS;
    QLineEdit* edBandwidth;
    QLineEdit* edSpace;
    QPushButton* btnSave;
    QPushButton* btnLoad;
    QLabel* lbFPS;
    QLabel* lbBand;
    QLabel* lbDisk;
    QLabel* lbTotal;
    QLabel* lbBanner;
    QLabel* lbLink;

    // The second and third tab, each a page of its own library.
    lens::TLensPage* lensPage;
    TAboutPage* aboutPage;
    // Rotates the partner texts of lbBanner and lbLink.
    TPartnerBanner* banner;

    TFileDialog OpenDialog1{TFileDialog::Kind::Open};
    TFileDialog SaveDialog1{TFileDialog::Kind::Save};

private:
    void createPlannerTab();
    void createPlannerGrid();
    void createLensTab();
    void createAboutTab();
    void wireEvents();
};

// The window's design figures: client area at start and its minimum.
inline constexpr QSize kDesignClientSize{712, 506};
inline constexpr QSize kMinimumClientSize{645, 326};
inline constexpr QPoint kDesignPosition{132, 99};
// The frame around the client area in the design's outer size of 720 x 540.
inline constexpr QMargins kDesignFrameMargins{4, 30, 4, 4};
inline constexpr QSize kTabPageDesignSize{704, 478};

} // namespace vantrel
