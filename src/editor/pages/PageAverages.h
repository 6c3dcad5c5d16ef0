#pragma once

// Page "Average": trip prices and options, the automatic reset periods of the sums, the
// start values of the odometer and engine-hour meter, and which averages screens show.

#include "EditorPage.h"

class TPageAverages : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
};
