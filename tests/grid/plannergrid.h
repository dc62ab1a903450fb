// A grid with the planner's eight columns, as the planner sets them up, in a
// shown, active window, and a recorder of the change notifications it raises.
#pragma once

#include "grid/plangrid.h"
#include "planner/plannercolumns.h"
#include "platform/platform.h"
#include "tests/support/defaultrow.h"

#include <QApplication>
#include <QList>
#include <QTest>
#include <QWidget>
#include <memory>

namespace vantrel::test {

struct PlannerGrid {
    explicit PlannerGrid(TPlatform& platform) : platform(platform) {
        window = std::make_unique<QWidget>();
        window->resize(720, 420);
        grid = new TPlanGrid(platform, window.get());
        grid->setGeometry(16, 48, 671, 340);
        addPlannerColumns(*grid);
        resolution = qobject_cast<TGridPickColumn*>(grid->column(0));
        compression = qobject_cast<TGridPickColumn*>(grid->column(1));
        frameSize = qobject_cast<TGridSpinColumn*>(grid->column(2));
        fps = qobject_cast<TGridSpinColumn*>(grid->column(3));
        days = qobject_cast<TGridSpinColumn*>(grid->column(4));
        cameras = qobject_cast<TGridSpinColumn*>(grid->column(5));
        band = grid->column(6);
        size = grid->column(7);
        // Test pick lists, not the catalogue's: other texts, and fewer
        // compressions than the drop-down has rows.
        resolution->Items = {"352x240 (SIF)",      "640x480 (VGA)",    "704x576 (4CIF)",
                             "1280x720 (HD)",      "1280x1024 (SXGA)", "1600x1200 (UXGA)",
                             "1920x1080 (FullHD)", "2048x1536 (QXGA)"};
        resolution->DropDownListStyle = true;
        compression->Items = {"MJPG-Low (10)", "MJPG-Medium (20)", "MJPG-High (30)"};
        compression->DropDownListStyle = true;
        for (TGridColumn* c :
             {static_cast<TGridColumn*>(resolution), static_cast<TGridColumn*>(compression),
              static_cast<TGridColumn*>(frameSize), static_cast<TGridColumn*>(fps),
              static_cast<TGridColumn*>(days), static_cast<TGridColumn*>(cameras)})
            QObject::connect(c, &TGridColumn::change, grid, [this](TGridColumn* sender) {
                changes << Change{sender->cellIndex(), grid->EditorText()};
                if (onChange)
                    onChange(sender);
            });
        QObject::connect(grid, &TPlanGrid::editChange, grid,
                         [this](TGridColumn*) { ++editChanges; });
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
    }

    // A row holding the default planner values.
    TGridRow* addDefaultRow() {
        TGridRow* row = grid->AddRow();
        const QByteArrayList texts = defaultRowTexts();
        for (int i = 0; i < texts.size(); ++i)
            grid->SetCellValue(
                row, i, QString::fromUtf8(texts[i]).replace(u'.', platform.decimalSeparator()));
        return row;
    }

    QModelIndex index(int row, int cell) const { return grid->model()->index(row, cell); }

    // Opens the editor on a cell the way a user does: focus it and press Enter.
    QWidget* openEditor(int row, int cell) {
        grid->setCurrentIndex(index(row, cell));
        QTest::keyClick(grid, Qt::Key_Return);
        return grid->editorWidget();
    }

    QWidget* editor() const { return grid->editorWidget(); }
    QStringList changeTexts() const {
        QStringList texts;
        for (const Change& c : changes)
            texts << c.editorText;
        return texts;
    }

    struct Change {
        int cell;
        QString editorText;
    };

    TPlatform& platform;
    std::unique_ptr<QWidget> window;
    TPlanGrid* grid;
    TGridPickColumn* resolution;
    TGridPickColumn* compression;
    TGridSpinColumn* frameSize;
    TGridSpinColumn* fps;
    TGridSpinColumn* days;
    TGridSpinColumn* cameras;
    TGridColumn* band;
    TGridColumn* size;
    QList<Change> changes;
    int editChanges = 0;
    std::function<void(TGridColumn*)> onChange;
};

} // namespace vantrel::test
