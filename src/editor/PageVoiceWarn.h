#pragma once

// Sounds sub-page "Warnings": for each warning of the trip computer the sound of the first
// warning and, for most, of the repeated ones (WarningSoundPair.h), one row each under short
// headings. Which rows a model offers follows its capabilities and the chosen protocol; on
// a model without voice output the voice choices are disabled and say why.

#include "EditorPage.h"

#include <vector>

class TWarningSoundPair;

class TPageVoiceWarn : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void Load() override;
    void ApplyRules() override { ApplyAvailability(); }
    void LevelSourceChanged() override { ApplyAvailability(); }

private:
    // Rows shown, captions that follow the protocol, choices the model cannot sound.
    void ApplyAvailability();
    // OK while a group holds the focus: that pair is committed as if the user had left it.
    void CommitFocused();

    std::vector<TWarningSoundPair*> pairs_; // in table order
};
