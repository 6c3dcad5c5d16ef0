#pragma once

// Display page "Divers": how fast the screens update, the title screen, screen names and
// the progress bar, how the colour scheme and the brightness switch between day and night,
// the two switching times and the two brightness levels.

#include "EditorPage.h"

class TPageDivers : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    // Without side-light sensing neither the scheme nor the brightness can follow the lights.
    void ApplyRules() override;
};
