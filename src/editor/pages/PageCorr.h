#pragma once

// Page "Correction": the correction factors and offsets the trip computer applies to what
// it measures, and the pulses per revolution of the carburettor tachometer input.

#include "EditorPage.h"

class TPageCorr : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
};
