#include "PageHotMenu.h"

#include "ControlBinder.h"
#include "HotMenuGrid.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr int Section9 = 9;
constexpr int GridSpacing = 16; // px between the three lists

struct TGridDef {
    const char* grid;    // objectName of the grid; its list is its place in this table
    const char* label;   // objectName of the caption above it
    TText caption;       // over the grid
    const char* setting; // its setting, whose caption names it for screen readers
};

// clang-format off
constexpr TGridDef kGrids[] = {
    {"sghmParams", "lhmParams", {"Parameters", "Параметры"},     "HotMenuParams"},
    {"sghmAver",   "lhmAver",   {"Averages", "Средние"},         "HotMenuAver"},
    {"sghmPark",   "lhmPark",   {"Parking radar", "Парктроник"}, "HotMenuPark"},
};

struct THint {
    const char* name;
    TText text;
};

constexpr THint kHints[] = {
    {"lhmInsertHint", {"To add or delete a menu item or to clear the whole table, click the row of the table with the RIGHT mouse button.",
                       "Для того, чтобы добавить или удалить пункт меню или очистить всю таблицу, щелкните ПРАВОЙ кнопкой мыши в соответствующей строке таблицы."}},
    {"lhmMoveHint",   {"To swap menu items, press the LEFT mouse button on the left column of the item, drag it and release it in the row you want.",
                       "Для того, чтобы поменять местами пункты меню, нажмите ЛЕВУЮ кнопку мыши на левой колонке нужного пункта,  потяните и отпустите в нужной строке таблицы."}},
    {"lhmKeysHint",   {"From the keyboard: the context-menu key opens the same menu, Delete deletes an item, Ctrl+Up and Ctrl+Down move it.",
                       "С клавиатуры: клавиша контекстного меню открывает то же меню, Delete удаляет пункт, Ctrl+Вверх и Ctrl+Вниз перемещают его."}},
};
// clang-format on

void AddChoices(QMenu* menu, const std::vector<THotMenuChoice>& choices,
                const std::function<void(std::uint16_t)>& chosen) {
    for (const THotMenuChoice& c : choices) {
        if (c.IsGroup()) {
            AddChoices(menu->addMenu(c.Caption), c.Items, chosen);
            continue;
        }
        const std::uint16_t code = c.MenuCode;
        QObject::connect(menu->addAction(c.Caption), &QAction::triggered, menu,
                         [chosen, code] { chosen(code); });
    }
}

} // namespace

void TPageHotMenu::Build(QWidget* page) {
    TControlBinder& b = Binder();
    auto* layout = new QVBoxLayout(page);
    for (const THint& h : kHints) {
        auto* hint = b.Caption(new QLabel(page), h.text);
        hint->setObjectName(QString::fromUtf8(h.name));
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    auto* grids = new QHBoxLayout;
    grids->setSpacing(GridSpacing);
    for (int list = 0; list < GridCount; ++list) {
        const TGridDef& def = kGrids[list];
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        auto* label = b.Caption(new QLabel(page), def.caption);
        label->setObjectName(QString::fromUtf8(def.label));
        auto* view = b.AccessibleName(new THotMenuView(page), SettingByName(def.setting).caption);
        view->setObjectName(QString::fromUtf8(def.grid));
        view->setProperty("tag", list);
        auto* model = new THotMenuGridModel(Model(), list, view);
        view->setModel(model);
        label->setBuddy(view);
        column->addWidget(label);
        column->addWidget(view);
        grids->addLayout(column);
        models_[std::size_t(list)] = model;

        QObject::connect(view, &THotMenuView::MenuRequested, view,
                         [this, list](int row, QPoint at) { sghmParamsMouseDown(list, row, at); });
        QObject::connect(view, &THotMenuView::DeleteRequested, view, [this, list](int row) {
            popupList_ = list;
            popupRow_ = row;
            miDelHMClick();
        });
        QObject::connect(view, &THotMenuView::MoveRequested, view,
                         [this, list](int from, int to) { MoveByKey(list, from, to); });
        QObject::connect(model, &THotMenuGridModel::EntryMoved, view,
                         [this] { sghmParamsRowMoved(); });
    }
    grids->addStretch(1);
    layout->addLayout(grids);
    layout->addStretch(1);

    pmHotMenu_ = new QMenu(page);
    pmHotMenu_->setObjectName(QStringLiteral("pmHotMenu"));
    miInsertHM_ = pmHotMenu_->addAction(QString(), [this] { miInsertHMClick(); });
    miDelHM_ = pmHotMenu_->addAction(QString(), [this] { miDelHMClick(); });
    miClearHM_ = pmHotMenu_->addAction(QString(), [this] { miClearHMClick(); });
    miInsertHM_->setObjectName(QStringLiteral("miInsertHM"));
    miDelHM_->setObjectName(QStringLiteral("miDelHM"));
    miClearHM_->setObjectName(QStringLiteral("miClearHM"));
}

void TPageHotMenu::Fill() {
    CompactHotMenus(Model().Section(Section9));
    for (THotMenuGridModel* m : models_)
        m->Reload();
}

void TPageHotMenu::sghmParamsMouseDown(int list, int row, QPoint globalPos) {
    popupList_ = list;
    popupRow_ = row;
    popupAt_ = globalPos;
    const THotMenuList entries = models_[std::size_t(list)]->Entries();
    miInsertHM_->setText(Tx("Insert item", "Вставить пункт"));
    miDelHM_->setText(Tx("Delete item", "Удалить пункт"));
    miClearHM_->setText(Tx("Clear all", "Очистить список"));
    miInsertHM_->setEnabled(!HotMenuInsertChoices(list, Model().MenuItems).empty());
    miDelHM_->setEnabled(entries[std::size_t(row)] != 0);
    miClearHM_->setEnabled(entries[0] != 0); // the lists are compact
    pmHotMenu_->popup(globalPos);
}

void TPageHotMenu::BuildAddMenu() {
    delete pmHotMenuAdd_; // closed by now: it is rebuilt for the list of each insert
    pmHotMenuAdd_ = new QMenu(Widget());
    pmHotMenuAdd_->setObjectName(QStringLiteral("pmHotMenuAdd"));
    const THotMenuList entries = models_[std::size_t(popupList_)]->Entries();
    if (HotMenuInsertDropsLast(entries)) {
        const QString last = HotMenuCaption(Model().MenuItems, entries.back());
        QAction* note =
            pmHotMenuAdd_->addAction(Tx("The list is full: the last item \"%1\" will drop out",
                                        "Список полон: последний пункт \"%1\" будет удален")
                                         .arg(last));
        note->setObjectName(QStringLiteral("miHMFullNote"));
        note->setEnabled(false);
        pmHotMenuAdd_->addSeparator();
    }
    AddChoices(pmHotMenuAdd_, HotMenuInsertChoices(popupList_, Model().MenuItems),
               [this](std::uint16_t code) { InsertChosen(code); });
}

void TPageHotMenu::miInsertHMClick() {
    BuildAddMenu();
    pmHotMenuAdd_->popup(popupAt_);
}

void TPageHotMenu::InsertChosen(std::uint16_t code) {
    THotMenuList entries = models_[std::size_t(popupList_)]->Entries();
    InsertHotMenuEntry(entries, popupRow_, code);
    Store(entries);
}

void TPageHotMenu::miDelHMClick() {
    THotMenuList entries = models_[std::size_t(popupList_)]->Entries();
    DeleteHotMenuEntry(entries, popupRow_);
    Store(entries);
}

void TPageHotMenu::miClearHMClick() {
    THotMenuList entries = models_[std::size_t(popupList_)]->Entries();
    ClearHotMenu(entries);
    Store(entries);
}

void TPageHotMenu::Store(const THotMenuList& entries) {
    models_[std::size_t(popupList_)]->SetEntries(entries);
    Frame().RefreshVisiblePage();
}

void TPageHotMenu::sghmParamsRowMoved() {
    Frame().RefreshVisiblePage();
}

// The keys move an entry only among the entries: below them the refresh would put it
// straight back.
void TPageHotMenu::MoveByKey(int list, int from, int to) {
    if (to < 0 || to >= HotMenuSlots) return;
    THotMenuGridModel* model = models_[std::size_t(list)];
    const THotMenuList entries = model->Entries();
    if (entries[std::size_t(from)] == 0 || entries[std::size_t(to)] == 0) return;
    model->MoveEntry(from, to); // the view's current cell moves with the entry
}
