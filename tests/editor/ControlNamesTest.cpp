// Every page and control that the page table and the rule tables name is one of the dialog,
// and every captioned widget can be found by a name of its own: a rule or a lookup by name
// can no longer silently do nothing.

#include "ControlRules.h"
#include "EditorPage.h"
#include "EditorTestSupport.h"

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
        EXPECT_TRUE(*def.caption.en && *def.caption.ru);
        QWidget* page = dlg->Page(def.name);
        if (!def.make) {
            EXPECT_FALSE(page);
        } else if (!def.tabs) {
            EXPECT_TRUE(page) << "a page with a class is built";
        } else if (page) {
            EXPECT_TRUE(page->findChild<QTabWidget*>(def.tabs)) << def.tabs;
        }
    }

    for (const TRuleTarget& t : RuleTargets()) {
        SCOPED_TRACE(t.control);
        EXPECT_TRUE(rows.count(t.page)) << "no page " << t.page;
        if (QWidget* page = dlg->Page(t.page); page && std::string(t.control) != t.page) {
            EXPECT_TRUE(page->findChild<QWidget*>(t.control)) << "not on " << t.page;
        }
    }

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
