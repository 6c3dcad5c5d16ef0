#pragma once

// The settings editor: one modal dialog with a tabbed page set over the settings model.
// The dialog keeps no copy of the settings: every control reads its field from the model
// when the dialog is shown and writes it back when the user leaves (or clicks) it. Whether
// the edits stay is decided by TMK::Edit when the dialog closes (OK keeps, Cancel restores).
//
// The dialog is the frame only: the pages of the page table (EditorPage.h says how to add
// one), the show sequence, the commit rule through the binder, the page refresh, the page
// change, OK and Cancel.

#include <QDialog>
#include <QHash>
#include <memory>
#include <optional>
#include <vector>

class QTabWidget;
class TControlBinder;
class TEditorPage;
class TMK;
class TProtBase;
class TProtCatalogue;
class TSettingSearch;
struct TDeviceCaps;

// Opens the editor over the model through TMK::Edit. True when the user confirmed; the
// settings image then holds the edited sections.
bool RunSettingsEditor(TMK& model, QWidget* parent);

class TMK_SetParamsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMK_SetParamsDlg(TMK& model, QWidget* parent = nullptr);
    ~TMK_SetParamsDlg() override;

    TMK& Model() { return model_; }
    const TMK& Model() const { return model_; }
    TControlBinder& Binder() { return *binder_; }
    const TControlBinder& Binder() const { return *binder_; }
    // "Find a setting" above the tabs.
    TSettingSearch& Search() { return *search_; }
    const TDeviceCaps& Caps() const;
    TProtCatalogue& Catalogue();
    // The protocol entry chosen by the settings, or nullptr when `Protocol` lies beyond
    // the device's list.
    const TProtBase* CurrentProt();
    // True when the current protocol delivers engine data (not carburettor, universal or
    // the outboard engine without a data line).
    bool EcuDataAvailable();

    // Set while controls are refilled from the model, so that handlers do not write back.
    bool Refreshing = false;
    // The colour scheme the colour page edits, which every screen preview shows: 0 day,
    // 1 night.
    int EditedScheme = 0;

    // Fills the dialog: captions, capability rules, load, protocol lists. Runs once, when
    // the dialog is first shown.
    void FormShow();
    // A top-level page became active.
    void pcMainChange(int index);
    // Stores every change the user made that its control has not stored yet: each bound
    // control that shows another value than it last loaded or stored, and what the pages
    // hold themselves. At a page change and at OK; false when a value was refused.
    bool CommitShownEdits();
    // Refills what the visible page shows from the model.
    void RefreshVisiblePage();
    // Sets every page's controls from the model again.
    void LoadPages();
    // The stored protocol was chosen or changed: every page refills what depends on it,
    // then the rules apply again.
    void RebuildForProtocol();
    // The fuel-level source changed: every page hears of it.
    void LevelSourceChanged();
    // Page and control visibility from the capabilities and the protocol entry: the rule
    // tables (ControlRules.cpp), then each page's own rules.
    void ApplyControlRules();
    // Shows or hides a page's tab by the page's name ("tsPark").
    void SetPageShown(const char* name, bool shown);
    // The page widget, or nullptr when the page is not built.
    QWidget* Page(const char* name) const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildPages();
    void ApplyCaptions();
    // The rules that hold after every page refresh.
    void ApplyRefreshRules();
    TEditorPage* VisiblePage() const;

    TMK& model_;
    TControlBinder* binder_;
    QTabWidget* pcMain_;
    TSettingSearch* search_ = nullptr;
    std::vector<std::unique_ptr<TEditorPage>> pages_; // table order
    QHash<QString, TEditorPage*> byName_;
    QHash<TEditorPage*, QTabWidget*> holder_; // the tab widget showing each page
    TEditorPage* active_ = nullptr;
    bool shownOnce_ = false;
};
