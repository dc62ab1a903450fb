// The bandwidth and disk-space tab: the grid of camera types, its four
// buttons, the totals under it, the handlers that apply the planner's rules
// on every change, the Save and Load commands, and the grid menu's Export as
// PDF and Print.
#pragma once

#include "planner/filedialog.h"
#include "planner/planreport.h"
#include "planner/recalccounter.h"
#include "planner/shownplan.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel {

class TAnchorLayout;
class TGridColumn;
class TGridPlanRows;
class TLinkLabel;
class TPlanGrid;
class TPlatform;

class TPlannerPage : public QWidget {
    Q_OBJECT
public:
    // The platform gives the decimal separator of computed texts and the
    // report's language and date; the chooser answers the open, save and PDF
    // dialogs (empty: Qt's dialog asks the user).
    explicit TPlannerPage(TPlatform& platform, TFileDialog::Chooser chooser = {},
                          QWidget* parent = nullptr);
    ~TPlannerPage() override;

    // Start-up: the Resolution and Compression pick lists from the catalogue.
    void fillPickLists();
    // Replaces the rows by those of a file and recalculates, as Load does
    // after its dialog; a file that cannot be read is reported in the error
    // box and nothing is recalculated.
    void loadPlanFile(const QString& path);
    // Recalculations of the focused row since the page was made.
    qint32 recalcCount() const { return m_recalcs.value(); }
    // Gives the grid the keyboard.
    void focusGrid();
    // Where the partner banner shows its text and link.
    QLabel* bannerLabel() const;
    QLabel* linkLabel() const;

    // The Add button's handler; start-up runs it for the first row.
    void btnAddClick();

signals:
    // The end of every RecalcFocusedRow, for the banner rotation.
    void focusedRowRecalculated();

private:
    // Handlers, named after their control and event.
    void btnRemoveClick();
    void btnSaveClick();
    void btnLoadClick();
    void miExportPdfClick();
    void miPrintClick();
    void cResolutionChange(TGridColumn* sender);
    void cCompressionChange(TGridColumn* sender);
    void cFrameSizeChange(TGridColumn* sender);
    void cFPSDAYSCAMSChange(TGridColumn* sender);

    void RecalcFocusedRow();
    void RecalcTotals();
    QList<ShownTotal> shownTotals() const;
    PlanReport currentReport() const;

    void createControls();
    void placeControls();
    void connectHandlers();
    void connectChange(const char* column, void (TPlannerPage::*handler)(TGridColumn*));

    TPlatform& m_platform;
    TPlanGrid* planGrid = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnRemove = nullptr;
    QLineEdit* edFPS = nullptr;
    QLineEdit* edBandwidth = nullptr;
    QLineEdit* edSpace = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnLoad = nullptr;
    QLabel* lbFPS = nullptr;
    QLabel* lbBand = nullptr;
    QLabel* lbDisk = nullptr;
    QLabel* lbTotal = nullptr;
    QLabel* lbBanner = nullptr;
    TLinkLabel* lbLink = nullptr;

    TFileDialog OpenDialog1{TFileDialog::Kind::Open};
    TFileDialog SaveDialog1{TFileDialog::Kind::Save};
    TFileDialog ExportDialog1{TFileDialog::Kind::Save};
    // The plan's file after the last successful Save or Load; empty before.
    QString m_planFile;

    TAnchorLayout* m_layout = nullptr;
    std::unique_ptr<TGridPlanRows> m_rows;
    TRecalcCounter m_recalcs;
};

} // namespace vantrel
