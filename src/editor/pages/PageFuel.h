#pragma once

// Page "Fuel": the three calibrations of the fuel-level sensor (a line through two points, a
// broken line through up to seven, the measured tare table of up to 68 points) and the tank
// file that carries them over a firmware change. Which calibration is in use, the level
// source and the tank sizes are edited on the sources page.

#include "EditorPage.h"

#include <QObject>

class QTableView;
class QVBoxLayout;
class TTareGridModel;

class TPageFuel : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    // The page widget outlives this object inside the dialog, so the application-wide focus
    // watch is ended here, not with the widget.
    ~TPageFuel() override { QObject::disconnect(focusWatch_); }
    void Build(QWidget* page) override;
    // The page fill: at show, at every page refresh and whenever the page comes to the front
    // (the tank size may have changed on the sources page).
    void Load() override { Fill(); }
    void Refresh() override { Fill(); }
    void Activate(bool active) override;
    bool FinishEdits() override;

    void seOilCalibrQuantChange();
    void seTarirLengChange();
    // Stores the tare grid's texts when a cell was edited; false when a value was refused
    // (the rows before it are stored, the user has been told which row).
    bool sgTarirExit();
    void bOilSaveClick();
    void bOilLoadClick();

private:
    QMetaObject::Connection focusWatch_;
    void Fill();
    void BuildLinear2(QVBoxLayout* column);
    void BuildLinear7(QVBoxLayout* column);
    void BuildTare(QVBoxLayout* column);
    void FocusChanged(QWidget* old, QWidget* now);
    // Brings the page back to the front with the grid focused, after a refused table.
    void ReturnToGrid();

    TTareGridModel* tare_ = nullptr;
    QTableView* grid_ = nullptr;
};
