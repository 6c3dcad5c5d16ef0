#pragma once

// Page "TS": the maintenance reminders: seven mileage counters (three of them named by the
// user), the dates of the next technical service and of the insurance payment, an
// engine-hours limit, each with its on/off switch; and the maintenance file that carries
// them over a firmware change.

#include "EditorPage.h"

#include <memory>
#include <vector>

class QGridLayout;
class TDayNumberEdit;
class TDeviceTextEdit;

class TPageMaintenance : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    ~TPageMaintenance() override;
    void Build(QWidget* page) override;
    void Load() override;
    bool FinishEdits() override;

    void bTOSaveClick();
    void bTOLoadClick();

private:
    void BuildCounters(QGridLayout* grid);
    void BuildDates(QGridLayout* grid);

    std::vector<TDeviceTextEdit*> names_; // owned by the page widget
    std::vector<TDayNumberEdit*> dates_;
};
