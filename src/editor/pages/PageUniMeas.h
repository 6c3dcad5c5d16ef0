#pragma once

// Page "Uni.input/Trim": the two-point scaling of the universal analogue input, the trim
// source, and the caption of the temperature the input measures.

#include "EditorPage.h"

class TPageUniMeas : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;

    void rgAirWaterShowClick();
    // Leaving a converter reading: false refuses a reading equal to the other one.
    bool seUniMeasADCExit(int which, double reading);
};
