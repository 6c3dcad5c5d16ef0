#pragma once

// Page "Parctronic": the rear (channel 0) and front (channel 1) parking radars side by
// side, then the warning options they share.

#include "EditorPage.h"

class TPagePark : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
};
