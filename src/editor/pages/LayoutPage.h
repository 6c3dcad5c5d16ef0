#pragma once

// A display sub-page that lays out screens: previews of its screens with the parameter of
// every place, in the edited colour scheme, and the check boxes that choose which of its
// screens the device shows. A right click on a place (or the context-menu key on a focused
// preview) opens the pop-up of the parameters the current protocol offers; the item chosen
// goes into that place alone. The concrete pages (PageLayouts.h) are tables of this.

#include "EditorControlTable.h"
#include "EditorPage.h"
#include "ScreenGeometry.h"

#include <QPoint>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class QMenu;
class TPlacePreview;
class TScreenRenderer;
struct TScreenContent;

// One preview of the page.
struct TPreviewRow {
    const char* name; // "pbDigit4_1"; its caption label is "l" + the name without "pb"
    TScreenKind kind;
    int screen; // which screen of its kind, from 0 (the preview's tag)
    TText caption;
};

// What a layout page holds.
struct TLayoutDef {
    std::span<const TPreviewRow> previews;
    std::span<const TControlRow> screenBoxes; // check boxes of the page's screens; may be empty
    const char* boxGroup;                     // their group box
    const char* menu;                         // the pop-up ("pmDig4")
    int columns;                              // previews side by side
};

// The settings field that holds a kind's place codes ("Digit4"), nullptr for none.
const char* LayoutFieldOf(TScreenKind kind);

class TLayoutPage : public TEditorPage {
public:
    TLayoutPage(TMK_SetParamsDlg& frame, const TLayoutDef& def);
    ~TLayoutPage() override;

    void Build(QWidget* page) override;
    void Load() override;
    void Refresh() override { ShowScreens(); }
    void Activate(bool active) override;
    void ProtocolRebuilt() override { ShowScreens(); }

    // Handlers named after their controls: a place of a preview asked for its pop-up (the
    // right button or the keyboard), and an item of the pop-up chosen.
    void pbDigitMouseDown(const TPlacePreview* preview, int place, QPoint globalPos);
    void pmDigClick(std::uint8_t code);

    // The stored code of a place.
    std::uint8_t PlaceCode(const TPlacePreview& preview, int place);

private:
    void ShowScreens();
    std::shared_ptr<const TScreenRenderer> MakeRenderer();
    TScreenContent ContentOf(const TPlacePreview& preview);
    // The pop-up for the place now recorded, from the protocol's list.
    void BuildMenu();
    // A place's tool tip: its parameter's long caption, or why it shows none.
    QString Describe(const TPlacePreview& preview, int place);
    // A place code as the page words it.
    QString CodeText(std::uint8_t code);

    const TLayoutDef& def_;
    std::vector<TPlacePreview*> previews_;
    QMenu* menu_ = nullptr;
    const TPlacePreview* popupPreview_ = nullptr; // the place the pop-up was opened for
    int popupPlace_ = 0;
};
