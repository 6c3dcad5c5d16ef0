#pragma once

// The pages of the settings editor as the user reads their tabs: every page and sub-page in
// tab order with its caption and when it is offered. The editor builds its tabs from these
// captions; a setting's page path ("Display / Displays x 4 / Displays 4..6") comes from here.

#include "Language.h"
#include "SettingContext.h"

#include <QString>
#include <span>
#include <string_view>

struct TSettingPage {
    const char* id;     // the page widget's objectName ("tsLim")
    const char* parent; // the page holding it; nullptr: a tab of the editor itself
    TText caption;      // its tab caption
    TOfferRule offered; // nullptr: on every device
};

// Tab order, a page before the pages inside it.
std::span<const TSettingPage> SettingPages();
// nullptr for an unknown id.
const TSettingPage* FindSettingPage(std::string_view id);
// Position in tab order; -1 for an unknown id.
int SettingPageOrder(std::string_view id);
// The captions from the outermost tab in, joined by " / ", in the current language.
QString SettingPagePath(std::string_view id);
// The page and every page around it are offered.
bool SettingPageOffered(std::string_view id, const TSettingContext& c);
