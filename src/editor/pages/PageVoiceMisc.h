#pragma once

// Sounds sub-page "Miscellaneous": volume, when the sound is off, the greeting, the periods
// of spoken reports and the key and lock beeps. Models without voice output hide the
// controls that only the voice uses.

#include "EditorPage.h"

class TPageVoiceMisc : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
};
