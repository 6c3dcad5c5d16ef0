#pragma once

// One page of the settings editor. The dialog (MK_SetParamsH.h) is only the frame: it
// builds the pages listed in the page table, runs the show sequence, the page refresh and
// the page change through the hooks below, and closes. Everything a page shows and every
// handler of its controls belongs to the page's own class.
//
// Adding a page:
//   1. Give it a row in the model's page list (SettingPages.cpp): its name, the page it sits
//      in, its tab caption and, where the device model or protocol decides, when it is
//      offered. Describe its settings in the model (SettingDescriptions.h): caption, unit,
//      range, conversion, page and when each is offered.
//   2. Write a class derived from TEditorPage in its own source pair (pages/PageFoo.h/.cpp).
//      Build() creates the controls, best from constant row tables through Binder(): a row
//      names the kind of control and the setting it shows. The page's handlers are its
//      members, attached with Binder().OnCommitted(). Override only the hooks the page needs.
//   3. Give its row of the page table in pages/EditorPages.cpp the class (MakePage<TPageFoo>).
//   Nothing in the dialog changes; a test checks that every setting sits on its page.
//
// A page that holds pages is a TPageSet (EditorPageSet.h): its row names its tab widget,
// and each sub-page's row names it as the page it sits in. A set with no built page inside
// is left out of the dialog.

#include "Language.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <span>

class QTabWidget;
class TControlBinder;
class TMK;
class TMK_SetParamsDlg;
class TProtBase;
class TProtCatalogue;
struct TDeviceCaps;
class TEditorPage;

using TPageFactory = std::unique_ptr<TEditorPage> (*)(TMK_SetParamsDlg& frame);

template <class P> std::unique_ptr<TEditorPage> MakePage(TMK_SetParamsDlg& frame) {
    return std::make_unique<P>(frame);
}

// One row of the page table, in tab order. The tab caption is the page's
// (SettingPages.h), where the settings' page paths read it too.
struct TPageDef {
    const char* name;  // the page widget's objectName ("tsCorr")
    const char* in;    // the set holding the page; nullptr: a tab of the dialog's pcMain
    const char* tabs;  // a set's tab widget ("pcDisp"); nullptr for a plain page
    TPageFactory make; // nullptr: the page is not part of this build
};

// The page table (EditorPages.cpp): every page in tab order, a set before its sub-pages.
std::span<const TPageDef> EditorPageTable();

class TEditorPage {
public:
    explicit TEditorPage(TMK_SetParamsDlg& frame) : frame_(frame) {}
    virtual ~TEditorPage();
    TEditorPage(const TEditorPage&) = delete;
    TEditorPage& operator=(const TEditorPage&) = delete;

    // Creates the page widget for its table row and builds the page in it.
    QWidget* Create(const TPageDef& def);
    QWidget* Widget() const { return widget_; }
    const TPageDef& Def() const { return *def_; }

    // Hooks, called by the frame (and passed on by a set to its sub-pages where noted).
    //
    // Creates the controls inside `page` (empty, named after the page).
    virtual void Build(QWidget* page) = 0;
    // Sets the controls from the model: at show and whenever the whole dialog is reloaded.
    // The default loads every bound control on the page; a page with model-dependent item
    // lists builds them first, and sets what the binder does not hold after.
    virtual void Load();
    // The capability and protocol rules of the page, after the rule tables (at show and
    // after each protocol change).
    virtual void ApplyRules() {}
    // The protocol entry was chosen (at show) or changed: refill what depends on it.
    virtual void ProtocolRebuilt() {}
    // The fuel-level source changed.
    virtual void LevelSourceChanged() {}
    // Page refresh of the visible page (a set passes it to its visible sub-page): repaint
    // previews, refill grids. Runs with Refreshing set.
    virtual void Refresh() {}
    // The page became the visible one of its tab set (true), or stopped being it (false).
    // A set passes it to its visible sub-page.
    virtual void Activate(bool active) { (void)active; }
    // Another page is chosen, or OK: store what the page's own (unbound) controls show and
    // store only on leaving them, such as a protocol browsed to.
    virtual void CommitShown() {}
    // OK was chosen: store what the page's own controls still hold (a grid or a text being
    // edited). False keeps the dialog open; the page has told the user why.
    virtual bool FinishEdits() { return true; }

protected:
    TMK_SetParamsDlg& Frame() { return frame_; }
    TMK& Model();
    TControlBinder& Binder();
    const TDeviceCaps& Caps() const;
    TProtCatalogue& Catalogue();
    const TProtBase* CurrentProt();
    bool EcuDataAvailable();
    // A widget of this page by its objectName.
    template <class W = QWidget> W* Find(const QString& name) const {
        return widget_->findChild<W*>(name);
    }

private:
    TMK_SetParamsDlg& frame_;
    QWidget* widget_ = nullptr;
    const TPageDef* def_ = nullptr;
};
