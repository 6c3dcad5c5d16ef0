#pragma once

// A page that holds pages (the display page with its layouts, the sounds page with its
// warnings): a tab widget, named by the set's row of the page table, filling the page.
// The frame adds the sub-pages in table order; each still gets every hook from the frame
// itself, except the page refresh and the page change, which reach only the visible one.

#include "EditorPage.h"

#include <vector>

class TPageSet : public TEditorPage {
public:
    using TEditorPage::TEditorPage;

    void Build(QWidget* page) override;
    // The sub-pages load themselves.
    void Load() override {}
    void Refresh() override;
    void Activate(bool active) override;

    // Adds a built sub-page as the next tab.
    void AddPage(TEditorPage* page);
    QTabWidget* Tabs() const { return tabs_; }
    std::span<TEditorPage* const> Pages() const { return pages_; }
    // True when some sub-page's tab is shown.
    bool AnyPageShown() const;

protected:
    // Creates the tab widget inside `page` without laying it out, for a set that puts more
    // than its tabs on the page.
    QTabWidget* MakeTabs(QWidget* page);

private:
    TEditorPage* Visible() const;
    void TabChanged();

    QTabWidget* tabs_ = nullptr;
    std::vector<TEditorPage*> pages_;
    TEditorPage* visible_ = nullptr;
    bool active_ = false;
};
