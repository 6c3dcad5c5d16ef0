#pragma once

// Page "Add.systems": which of the vehicle's further control units (ABS, airbags, gearboxes,
// climate, tyre pressure, hybrid drive...) the trip computer polls, and how its own menu
// lists them. The unit list is built from the device model's protocols each time the page
// comes to the front.

#include "AddSystems.h"
#include "EditorPage.h"

class QLineEdit;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
class TAllBlocksModel;
class TUsedBlocksModel;

class TPageAddSystems : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void Load() override;
    void Activate(bool active) override;

    // Set while the page is the active one and its lists are filled (BlocksPageLoaded).
    bool Loaded() const { return loaded_; }
    const TBlockList& BlockList() const { return list_; }

    // Left grid: toggles the unit of the row; right grid: clears it.
    void sgAllBlocksDblClick(const QModelIndex& index);
    void sgUsedBlocksDblClick(const QModelIndex& index);
    void rgBlocksShowClick();

private:
    void Fill();
    void FillGrids();
    QTableView* MakeGrid(QWidget* parent, const char* name);

    TBlockList list_;
    bool loaded_ = false;
    TAllBlocksModel* all_ = nullptr;
    TUsedBlocksModel* used_ = nullptr;
    QSortFilterProxyModel* filter_ = nullptr;
    QTableView* allGrid_ = nullptr;
    QTableView* usedGrid_ = nullptr;
    QLineEdit* filterEdit_ = nullptr;
};
