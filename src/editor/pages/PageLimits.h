#pragma once

// Page "Limits": the values at which the trip computer warns, grouped by what they watch.
// The two trim limits keep each other apart; the coolant limit is worded by the protocol.

#include "EditorPage.h"

class TPageLimits : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;

    // Each trim limit bounds the other edit; the other's stored value changes only when
    // that edit is itself left.
    void seTrimLowLimitExit();
    void seTrimHighLimitExit();
};
