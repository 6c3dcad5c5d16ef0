#pragma once

// Page "Resources": where the trip computer takes each quantity from, the option bits of
// the measurement word, the range forecast, the fuel tank and the ECU protocol choice
// (ProtocolSelection.cpp). The handlers keep the speed source, the ignition lock and the
// injector settings consistent.

#include "EditorPage.h"

class QLabel;
class TChoiceCombo;
class QVBoxLayout;

class TPageMeth : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    void Build(QWidget* page) override;
    void Load() override;
    void ProtocolRebuilt() override;
    void CommitShown() override;

    void rgVelocityMethClick();
    void rgLockTypeClick();
    void rgRevolutionsMethClick();
    void rgPrognozMethClick();
    void cbTankMethChange();
    void cbProtocolSelectMethChange();
    void cbProtocolExit();

private:
    void BuildProtocolGroup(QVBoxLayout* column);
    // Capability-dependent choices.
    void EnableSpeedSources();
    void ApplySpeedLockRule();
    void ApplyLockLevelRule();
    void ApplyInjectorRule();
    void ApplyForecastRule();
    // Protocol selection.
    void FillProtocolList();

    // Not bound: a changed protocol resets its options, so browsing must not apply it.
    TChoiceCombo* protocol_ = nullptr;
    QLabel* protocolLabel_ = nullptr;
};
