#pragma once

// Sounds sub-page "Warnings": for each warning of the trip computer the sound of the first
// warning and, for most, of the repeated ones (a sound pair of the binder, committed when
// either group is left), one row each under short headings. Which rows a model offers follows its
// capabilities and the chosen protocol; on a model without voice output the voice choices are
// disabled and say why.

#include "EditorPage.h"

class TPageVoiceWarn : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void ApplyRules() override { ApplyAvailability(); }
    void LevelSourceChanged() override { ApplyAvailability(); }

private:
    // Rows shown, captions that follow the protocol, choices the model cannot sound.
    void ApplyAvailability();
};
