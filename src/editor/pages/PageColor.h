#pragma once

// Display page "Color schemes": the day and night schemes. The palette of the edited scheme
// with its colour in 5-bit red, green and blue; the roles of the digital screens and of the
// menu, each on its own tab with previews of the device's screens in the edited colours;
// which scheme the device uses when switched by hand; restoring the default schemes.
// Every change repaints the grids and the previews at once.

#include "EditorPage.h"

#include <memory>
#include <vector>

class QLabel;
class QSpinBox;
class QTabWidget;
class QTableView;
class TColourGridModel;
class TRadioGroup;
class TScreenPreview;

class TPageColor : public TEditorPage {
public:
    explicit TPageColor(TMK_SetParamsDlg& frame);
    ~TPageColor() override;

    void Build(QWidget* page) override;
    // The controls from the model; the day scheme is the edited one again.
    void Load() override;
    void Refresh() override;
    void Activate(bool active) override;

    // The scheme the grids show and edit: 0 day, 1 night.
    int EditedScheme();

    // Handlers named after their control and event.
    void sgPaletteClick(int row);
    void seRChange();
    void sgDigitClick(int row);
    void seDigitChange();
    void sgMenuClick(int row);
    void seMenuChange();
    void rgCurrColorSchemeNumClick(int index);
    void bPaletteInitClick();

private:
    struct RoleGrid;
    QWidget* BuildRolePage(RoleGrid& grid, const char* page, const char* name, const char* label,
                           const char* spin);
    // Grids, spin edits and previews from the model, the spin edits' changes not committed.
    void ShowScheme();
    // The selected row of a grid (0 when none).
    static int SelectedRow(const QTableView* grid);
    void RoleClick(RoleGrid& grid, int row);
    void RoleChange(RoleGrid& grid);

    TColourGridModel* palette_ = nullptr;
    QTableView* sgPalette_ = nullptr;
    QLabel* lColorTab_ = nullptr;
    QSpinBox *seR_ = nullptr, *seG_ = nullptr, *seB_ = nullptr;
    TRadioGroup* rgCurrColorSchemeNum_ = nullptr;
    QTabWidget* pcColorDisp_ = nullptr;
    std::unique_ptr<RoleGrid> digit_, menu_;
    std::vector<TScreenPreview*> previews_;
};
