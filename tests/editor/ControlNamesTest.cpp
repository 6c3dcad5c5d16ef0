// Every page and control that the page table and the rule tables name is one of the dialog,
// and every captioned widget can be found by a name of its own: a rule or a lookup by name
// can no longer silently do nothing.

#include "EditorPage.h"
#include "EditorTestSupport.h"
#include "SettingPages.h"

#include <QGroupBox>
#include <QPushButton>
#include <set>
#include <string>

TEST_F(EditorTest, EveryNameTheTablesMentionIsAControlOfTheDialog) {
    Open(0x8000);
    std::set<std::string> rows, sets;
    for (const TPageDef& def : EditorPageTable()) {
        SCOPED_TRACE(def.name);
        EXPECT_TRUE(rows.insert(def.name).second) << "a second row of that name";
        if (def.in) {
            EXPECT_TRUE(sets.count(def.in)) << def.in << " is no set above it";
        }
        if (def.tabs) {
            sets.insert(def.name);
            EXPECT_TRUE(def.make) << "a set is built by a class";
        }
        QWidget* page = dlg->Page(def.name);
        if (!def.make) {
            EXPECT_FALSE(page);
        } else if (!def.tabs) {
            EXPECT_TRUE(page) << "a page with a class is built";
        } else if (page) {
            EXPECT_TRUE(page->findChild<QTabWidget*>(def.tabs)) << def.tabs;
        }
    }

    // Every setting sits on the page its description names, bound or drawn by the page
    // itself: the page path that the change list, the search and describe read is right.
    for (const TSettingDesc& s : SettingDescriptions()) {
        SCOPED_TRACE(s.name);
        const TSettingPage* settingPage = FindSettingPage(s.page);
        QWidget* page = dlg->Page(s.page);
        if (!page) { // a sub-page of a page's own tabs (the colour page's)
            ASSERT_TRUE(settingPage->parent);
            page = dlg->Page(settingPage->parent);
        }
        ASSERT_TRUE(page) << "no page " << s.page;
        QWidget* control = dlg->Binder().ControlOf(s);
        if (!control && s.control) control = dlg->findChild<QWidget*>(s.control);
        ASSERT_TRUE(control) << "no control shows it";
        EXPECT_TRUE(page->isAncestorOf(control)) << "not on " << s.page;
    }
    for (const TPageDef& def : EditorPageTable())
        EXPECT_TRUE(FindSettingPage(def.name)) << def.name << " has no caption";

    QStringList names;
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(w) &&
            !qobject_cast<QCheckBox*>(w) && !qobject_cast<QPushButton*>(w))
            continue;
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
        EXPECT_FALSE(names.contains(w->objectName())) << w->objectName().toStdString();
        names << w->objectName();
    }
    EXPECT_GT(names.size(), 100);
}
