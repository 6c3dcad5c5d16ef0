// The hot-menu page through its grids: the pop-up's delete, insert and clear with the
// refresh that compacts, reordering by a drop on the view, the keys, and the captions and
// insert items of the device's own menu.

#include "EditorTestSupport.h"
#include "HotMenuLists.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

namespace {

constexpr int Section9 = 9;

class HotMenuPageTest : public EditorTest {
protected:
    void SetList(int list, THotMenuList entries) {
        WriteHotMenu(model.Section(Section9), list, entries);
    }
    THotMenuList List(int list) const { return ReadHotMenu(model.Section(Section9), list); }
    std::uint16_t Code(const char* key) const {
        return model.MenuItems.CodeOf(QString::fromLatin1(key));
    }

    // Brings the page to the front, as the user does before working in it.
    QTableView* Grid(const char* name) {
        auto* main = dlg->findChild<QTabWidget*>("pcMain");
        main->setCurrentWidget(dlg->Page("tsDisp"));
        dlg->findChild<QTabWidget*>("pcDisp")->setCurrentWidget(dlg->Page("tsHotMenu"));
        return Find<QTableView>(name);
    }
    QString Cell(QTableView* grid, int row) const {
        return grid->model()->index(row, 1).data().toString();
    }
    // A right click on a row opens the pop-up.
    QMenu* RightClick(QTableView* grid, int row) {
        const QPoint at = grid->visualRect(grid->model()->index(row, 1)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &e);
        auto* menu = Find<QMenu>("pmHotMenu");
        EXPECT_TRUE(menu->isVisible());
        return menu;
    }
    void Choose(QMenu* menu, const char* action) {
        menu->close();
        menu->findChild<QAction*>(action)->trigger();
    }
    // The insert menu's item captioned so, looked for in its groups too.
    static QAction* Item(QMenu* menu, const QString& caption) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) {
                if (QAction* inner = Item(a->menu(), caption)) return inner;
            } else if (a->text() == caption) {
                return a;
            }
        }
        return nullptr;
    }
    QMenu* InsertMenu(QTableView* grid, int row) {
        Choose(RightClick(grid, row), "miInsertHM");
        return Find<QMenu>("pmHotMenuAdd");
    }
};

THotMenuList Entries(std::initializer_list<std::uint16_t> codes) {
    THotMenuList l{};
    std::copy(codes.begin(), codes.end(), l.begin());
    return l;
}

} // namespace

TEST_F(HotMenuPageTest, PopupDeletesInsertsAndClearsThenTheRefreshCompacts) {
    Open(0x4610);
    const std::uint16_t a = Code("FullTankMenu"), b = Code("ToTankMenu"), c = Code("ErrorsMenu");
    SetList(0, Entries({a, b, c, 0}));
    QTableView* grid = Grid("sghmParams");
    dlg->RefreshVisiblePage();

    Choose(RightClick(grid, 2), "miDelHM");
    EXPECT_EQ(List(0), Entries({a, b}));
    EXPECT_EQ(Cell(grid, 1), model.MenuItems.FindByCode(b)->Caption);
    EXPECT_EQ(Cell(grid, 2), "");

    // Below the entries: stored at row 6, moved up by the refresh.
    SetList(0, Entries({a, b, c}));
    QMenu* add = InsertMenu(grid, 6);
    EXPECT_FALSE(add->findChild<QAction*>("miHMFullNote")) << "the list has room";
    Item(add, "Virtual Lock On/Off")->trigger();
    EXPECT_EQ(List(0), Entries({a, b, c, Code("VirtLockMenu")}));

    // Into a full list: row 9 drops out, and the menu says so first.
    THotMenuList full{};
    for (int i = 0; i < HotMenuSlots; ++i)
        full[std::size_t(i)] = Code("ViewTank0Menu") + std::uint16_t(i);
    SetList(1, full);
    add = InsertMenu(Grid("sghmAver"), 0);
    ASSERT_TRUE(add->findChild<QAction*>("miHMFullNote"));
    Item(add, model.MenuItems.FindByKey(u"TripJournMenu")->Caption)->trigger();
    EXPECT_EQ(List(1)[0], Code("TripJournMenu"));
    EXPECT_EQ(List(1)[9], full[8]);

    Choose(RightClick(Grid("sghmPark"), 3), "miClearHM");
    EXPECT_EQ(List(2), THotMenuList{});
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(HotMenuPageTest, KeysActOnTheCurrentRow) {
    Open(0x4610);
    const std::uint16_t a = Code("FullTankMenu"), b = Code("ToTankMenu"), c = Code("ErrorsMenu");
    SetList(0, Entries({a, b, c}));
    QTableView* grid = Grid("sghmParams");
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(List(0), Entries({b, a, c}));
    EXPECT_EQ(grid->currentIndex().row(), 1) << "the cursor follows the entry";
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier); // below the entries: no move
    EXPECT_EQ(List(0), Entries({b, c, a}));
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(List(0), Entries({b, c}));

    // The context-menu key opens the pop-up for the current row.
    grid->setCurrentIndex(grid->model()->index(1, 1));
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0),
                          grid->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(grid->viewport(), &key);
    auto* menu = Find<QMenu>("pmHotMenu");
    ASSERT_TRUE(menu->isVisible());
    Choose(menu, "miDelHM");
    EXPECT_EQ(List(0), Entries({b}));
}

// A drop of row 0's left cell on row 3, through the view's own drop handling.
TEST_F(HotMenuPageTest, DroppingARowMovesItsEntry) {
    Open(0x4610);
    const THotMenuList abcd = Entries(
        {Code("FullTankMenu"), Code("ToTankMenu"), Code("ErrorsMenu"), Code("PrognozMenu")});
    SetList(0, abcd);
    SetList(1, abcd);
    QTableView* grid = Grid("sghmParams");
    // What the window system delivers while the mouse carries the cell: enter, move, drop.
    auto drop = [](QTableView* target, QMimeData* data, int row) {
        const QPoint at = target->visualRect(target->model()->index(row, 1)).center();
        QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &move);
        QDropEvent release(at, Qt::MoveAction, data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target->viewport(), &release);
    };
    std::unique_ptr<QMimeData> data(grid->model()->mimeData({grid->model()->index(0, 0)}));
    ASSERT_TRUE(data);
    drop(grid, data.get(), 3);
    EXPECT_EQ(List(0), Entries({abcd[1], abcd[2], abcd[3], abcd[0]}));

    // A row of another list is no entry of this one.
    drop(Grid("sghmAver"), data.get(), 2);
    EXPECT_EQ(List(1), abcd);
    // Only the left cell drags.
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsDragEnabled);
}

TEST_F(HotMenuPageTest, CaptionsAndItemsComeFromTheDevicesMenu) {
    Open(0x4610); // ignition-angle correction
    QMenu* add = InsertMenu(Grid("sghmParams"), 0);
    EXPECT_TRUE(Item(add, "IgnAngCorr"));
    Open(0x8080); // none
    add = InsertMenu(Grid("sghmParams"), 0);
    EXPECT_FALSE(Item(add, "IgnAngCorr"));
    EXPECT_TRUE(Item(add, "ECU trouble codes"));

    // A code the device does not know: a blank caption, and the entry stays.
    constexpr std::uint16_t Unknown = 300;
    SetList(0, Entries({Code("FullTankMenu"), Unknown}));
    QTableView* grid = Grid("sghmParams");
    dlg->RefreshVisiblePage();
    EXPECT_EQ(Cell(grid, 0), "Refuel.until full");
    EXPECT_EQ(Cell(grid, 1), "");
    EXPECT_EQ(List(0)[1], Unknown);
}

TEST_F(HotMenuPageTest, ParkingListOnlyOnModelsWithParkingAndRussianCaptions) {
    EnglishVersion = false;
    Open(0x5000);
    Grid("sghmParams");
    dlg->RefreshVisiblePage();
    EXPECT_FALSE(Shown("sghmPark"));
    EXPECT_FALSE(Shown("lhmPark"));
    EXPECT_EQ(Find<QLabel>("lhmParams")->text(), "Параметры");
    RightClick(Find<QTableView>("sghmParams"), 0);
    EXPECT_EQ(Find<QMenu>("pmHotMenu")->actions().front()->text(), "Вставить пункт");

    Open(0x4610);
    Grid("sghmParams");
    dlg->RefreshVisiblePage();
    EXPECT_TRUE(Shown("sghmPark"));
    EXPECT_TRUE(Shown("lhmPark"));
}
