// Which pages and controls a device model and its protocol offer: each page and each
// setting says so itself (SettingPages.h, SettingDescriptions.h); the pages add their own
// rules. The controls of pages the device never shows (the graphic and pointer displays)
// are not built at all.

#include "ControlBinder.h"
#include "EditorLayout.h"
#include "EditorPageSet.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "SettingPages.h"

void TMK_SetParamsDlg::ApplyControlRules() {
    const TSettingContext context = SettingContextOf(model_);
    for (const auto& page : pages_)
        SetPageShown(page->Def().name, SettingPageOffered(page->Def().name, context));
    binder_->ApplyOffers();
    for (const auto& page : pages_)
        page->ApplyRules();
    // A set whose pages are all hidden hides too; inner sets come later in the table.
    for (auto it = pages_.crbegin(); it != pages_.crend(); ++it)
        if (auto* set = dynamic_cast<const TPageSet*>(it->get()); set && !set->AnyPageShown())
            SetPageShown(set->Def().name, false);
    UpdateGroupVisibility(this);
}

void TMK_SetParamsDlg::ApplyRefreshRules() {
    // A page refresh refills the hot menus, the parking list among them.
    const bool park = SettingOffered(SettingByName("HotMenuPark"), SettingContextOf(model_));
    for (const char* name : {"sghmPark", "lhmPark"})
        if (QWidget* w = findChild<QWidget*>(QString::fromLatin1(name))) w->setVisible(park);
}
