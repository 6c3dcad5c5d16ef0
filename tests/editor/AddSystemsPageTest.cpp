// The additional-systems page: both grids against the selection bits, the double-click and
// Space rules, the filter, the two choices, and the lists rebuilt each time the page shows.

#include "AddSystems.h"
#include "EditorTestSupport.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

namespace {

class AddSystemsPageTest : public EditorTest {
protected:
    QTableView *all = nullptr, *used = nullptr;

    // A model whose protocol entry 1 polls no unit while its other entries offer 21.
    void OpenBlocks() {
        Open(0x4610, 1);
        all = Find<QTableView>("sgAllBlocks");
        used = Find<QTableView>("sgUsedBlocks");
        Reveal(all);
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    static QStringList Column(const QTableView* view, int column) {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->index(r, column).data().toString();
        return texts;
    }
    static void DoubleClick(QTableView* view, int row) {
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        // A double click arrives as a click, then the second press as a double click.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    QByteArray Selection() const { return model.Section(5).mid(20, 32); }
};

} // namespace

TEST_F(AddSystemsPageTest, GridsFollowTheSelectionBits) {
    SetUnitSelected(model.Section(5), 200, true); // not on this model: kept, shown nowhere
    OpenBlocks();
    const TBlockList list = BuildBlockList(model.Prots);
    ASSERT_EQ(all->model()->rowCount(), 21);
    EXPECT_EQ(Column(all, 0).first(), list.At(0).Name);
    EXPECT_EQ(used->model()->rowCount(), 0);

    // Chosen last row first: the right grid keeps the list's order.
    DoubleClick(all, 20);
    DoubleClick(all, 0);
    EXPECT_EQ(Column(used, 0), QStringList({list.At(0).Name, list.At(20).Name}));
    EXPECT_EQ(Column(all, 1).count("V"), 2);
    EXPECT_EQ(Column(all, 1)[20], "V");
    const QByteArray chosen = Selection();
    QTest::mouseDClick(all->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(used->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(Selection(), chosen) << "headings do nothing";

    DoubleClick(used, 1);
    EXPECT_FALSE(UnitSelected(model.Section(5), list.At(20).Code));
    DoubleClick(all, 0); // toggles back off
    EXPECT_EQ(used->model()->rowCount(), 0);
    all->setFocus();
    all->setCurrentIndex(all->model()->index(3, 0));
    QTest::keyClick(all, Qt::Key_Space);
    EXPECT_TRUE(UnitSelected(model.Section(5), list.At(3).Code));
    used->setFocus();
    used->setCurrentIndex(used->model()->index(0, 0));
    QTest::keyClick(used, Qt::Key_Space);
    EXPECT_EQ(used->model()->rowCount(), 0);

    // The filter narrows the rows by name; the selection bits stay as they are.
    auto* filter = Find<QLineEdit>("eBlocksFilter");
    QTest::keyClicks(filter, "abs");
    const QStringList shown = Column(all, 0);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LT(shown.size(), 21);
    for (const QString& name : shown)
        EXPECT_TRUE(name.contains("ABS", Qt::CaseInsensitive)) << name.toStdString();
    DoubleClick(all, 0);
    EXPECT_EQ(Column(used, 0), QStringList{shown.first()});
    filter->clear();
    EXPECT_EQ(all->model()->rowCount(), 21);
    EXPECT_EQ(used->model()->rowCount(), 1);
    EXPECT_TRUE(UnitSelected(model.Section(5), 200));
}

TEST_F(AddSystemsPageTest, ChoicesOfWhatToShow) {
    SetUnitSelected(model.Section(5), 200, true);
    OpenBlocks();
    Click("rgBlocksShow", 0); // all
    EXPECT_EQ(used->model()->rowCount(), 21);
    const QByteArray all21 = Selection();
    Click("rgBlocksShowList", 1); // by types: the menu's choice only
    QByteArray expected = all21;
    expected[0] = char(expected[0] | 0x80);
    EXPECT_EQ(Selection(), expected);
    Click("rgBlocksShow", 1); // protocol: this entry polls no unit
    EXPECT_EQ(used->model()->rowCount(), 0);
    EXPECT_EQ(std::uint8_t(Selection()[0]), 0x81);
    EXPECT_TRUE(UnitSelected(model.Section(5), 200));
}

TEST_F(AddSystemsPageTest, ListsAreRebuiltEachTimeThePageShows) {
    OpenBlocks();
    auto* tabs = Find<QTabWidget>("pcMain");
    tabs->setCurrentWidget(dlg->Page("tsTO"));
    // The settings change while another page is in front (a maintenance file load does so).
    const TBlockList list = BuildBlockList(model.Prots);
    SetUnitSelected(model.Section(5), list.At(5).Code, true);
    model.Set("BlocksShow", 0, 1);
    tabs->setCurrentWidget(dlg->Page("tsBlocks"));
    EXPECT_EQ(Column(used, 0), QStringList{list.At(5).Name});
    EXPECT_EQ(Column(all, 1)[5], "V");
    EXPECT_EQ(Find<TRadioGroup>("rgBlocksShow")->index(), 1);
}
