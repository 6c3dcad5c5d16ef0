#pragma once

// Display sub-page "Hot menu": the three hot menus the driver reaches from a screen
// (parameters, averages, parking radar), each a grid of ten device menu entries. A right
// click (or the context-menu key) on a row offers insert, delete and clear; dragging a row's
// left cell (or Ctrl+Up / Ctrl+Down) moves the entry. Every change ends in a page refresh,
// which compacts the lists so that the entries stand first.

#include "EditorPage.h"
#include "HotMenuLists.h"

#include <QPoint>
#include <array>

class QAction;
class QMenu;
class THotMenuGridModel;

class TPageHotMenu : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void Load() override { Fill(); }
    void Refresh() override { Fill(); }

    // A right click on a row of grid `list`: remembers list and row, opens pmHotMenu.
    void sghmParamsMouseDown(int list, int row, QPoint globalPos);
    // A row's entry was dragged (or moved by keys) from one row to another.
    void sghmParamsRowMoved();
    void miInsertHMClick();
    void miDelHMClick();
    void miClearHMClick();

private:
    static constexpr int GridCount = 3; // list 3 has no grid

    // Compacts all four lists and shows them.
    void Fill();
    void InsertChosen(std::uint16_t code);
    void Store(const THotMenuList& entries);
    void MoveByKey(int list, int from, int to);
    void BuildAddMenu();

    std::array<THotMenuGridModel*, GridCount> models_{};
    QMenu* pmHotMenu_ = nullptr;
    QAction* miInsertHM_ = nullptr;
    QAction* miDelHM_ = nullptr;
    QAction* miClearHM_ = nullptr;
    QMenu* pmHotMenuAdd_ = nullptr; // rebuilt for each insert
    int popupList_ = 0;
    int popupRow_ = 0;
    QPoint popupAt_;
};
