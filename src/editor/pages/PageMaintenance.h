#pragma once

// Page "TS": the maintenance reminders: seven mileage counters (three of them named by the
// user), the dates of the next technical service and of the insurance payment, an
// engine-hours limit, each with its on/off switch; and the maintenance file that carries
// them over a firmware change.

#include "EditorControlTable.h"
#include "EditorPage.h"

class QGridLayout;

class TPageMaintenance : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void Load() override;

    void bTOSaveClick();
    void bTOLoadClick();

private:
    void BuildCounters(QGridLayout* grid);
    void BuildDates(QGridLayout* grid);
    // Marks a date edit whose stored day number names no day it can show.
    void ShowDateMark(const TControlRow& date);
};
