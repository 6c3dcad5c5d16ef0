#pragma once

// The display sub-pages that lay out the screens: four values (two pages of three
// screens), nine values, six values, the bottom bar of the one-value screens, and which
// one-value screens the device shows.

#include "LayoutPage.h"

#include <vector>

class QCheckBox;

class TPageParams4_1 : public TLayoutPage {
public:
    explicit TPageParams4_1(TMK_SetParamsDlg& frame);
};

class TPageParams4_2 : public TLayoutPage {
public:
    explicit TPageParams4_2(TMK_SetParamsDlg& frame);
};

class TPageParams9 : public TLayoutPage {
public:
    explicit TPageParams9(TMK_SetParamsDlg& frame);
};

class TPageParams6 : public TLayoutPage {
public:
    explicit TPageParams6(TMK_SetParamsDlg& frame);
};

// "Add.panel": the four places of the bar under every one-value screen.
class TPageInfoPanel : public TLayoutPage {
public:
    explicit TPageInfoPanel(TMK_SetParamsDlg& frame);
};

// "Displays x 1": one check box for each one-value screen the protocol offers, captioned
// with its parameter; the boxes beyond the protocol's list are hidden.
class TPageParams1 : public TEditorPage {
public:
    using TEditorPage::TEditorPage;
    static constexpr int BoxCount = 40;

    void Build(QWidget* page) override;
    void Load() override;
    void ProtocolRebuilt() override { ShowBoxes(); }
    void Refresh() override { ShowBoxes(); }
    // The captions follow the parameters' relabelling, which comes after the show's load.
    void Activate(bool active) override {
        if (active) ShowBoxes();
    }

private:
    void ShowBoxes();

    std::vector<QCheckBox*> boxes_;
};
