#include "PageAddSystems.h"

#include "BlockGrids.h"
#include "EditorLayout.h"
#include "Errors.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "Prompt.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kShowRows[] = {
    {Radio, "BlocksShow"},
};
constexpr TControlRow kShowListRows[] = {
    {Radio, "BlocksShowList"},
};
// clang-format on

constexpr TText kHint{"Double-click in the left table changes the selection\n"
                      "Double-click in the right table cancels the selection",
                      "Двойной щелчок в левой таблице\nизменяет выбор.\n"
                      "Двойной щелчок в правой таблице\nотменяет выбор."};
constexpr TText kAllTip{"Double-click or Space: select the unit or cancel its selection",
                        "Двойной щелчок или пробел: выбрать блок или отменить выбор"};
constexpr TText kUsedTip{"Double-click or Space: cancel the selection",
                         "Двойной щелчок или пробел: отменить выбор"};

constexpr int GridMinWidth = 260;
constexpr int SelectedColumnWidth = 48;

} // namespace

QTableView* TPageAddSystems::MakeGrid(QWidget* parent, const char* name) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->verticalHeader()->hide();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->setMinimumWidth(GridMinWidth);
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

void TPageAddSystems::Build(QWidget* page) {
    auto columns = MakeColumns(page, 3);
    TControlBinder& b = Binder();
    QByteArray& section5 = Model().Section(5);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = b.Caption(new QLabel(page), {"Filter", "Фильтр"});
    filterLabel->setObjectName(QStringLiteral("lBlocksFilter"));
    filterEdit_ = b.AccessibleName(new QLineEdit(page),
                                   {"Filter of the units by name", "Фильтр блоков по названию"});
    filterEdit_->setObjectName(QStringLiteral("eBlocksFilter"));
    filterEdit_->setClearButtonEnabled(true);
    filterEdit_->setPlaceholderText(Tx("part of the name", "часть названия"));
    filterLabel->setBuddy(filterEdit_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filterEdit_, 1);
    columns[0]->addLayout(filterRow);

    all_ = new TAllBlocksModel(list_, section5, page);
    filter_ = new QSortFilterProxyModel(page);
    filter_->setSourceModel(all_);
    filter_->setFilterKeyColumn(TAllBlocksModel::NameColumn);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    allGrid_ = b.AccessibleName(MakeGrid(page, "sgAllBlocks"),
                                {"Units of this model", "Блоки этой модели"});
    allGrid_->setModel(filter_);
    allGrid_->setToolTip(kAllTip.text());
    allGrid_->horizontalHeader()->setSectionResizeMode(TAllBlocksModel::NameColumn,
                                                       QHeaderView::Stretch);
    allGrid_->horizontalHeader()->setSectionResizeMode(TAllBlocksModel::SelectedColumn,
                                                       QHeaderView::Fixed);
    allGrid_->setColumnWidth(TAllBlocksModel::SelectedColumn, SelectedColumnWidth);
    columns[0]->addWidget(allGrid_, 1);

    // A caption over the right grid, as high as the filter line over the left one.
    auto* usedLabel = b.Caption(new QLabel(page), {"Units polled", "Опрашиваемые блоки"});
    usedLabel->setObjectName(QStringLiteral("lUsedBlocks"));
    usedLabel->setMinimumHeight(filterEdit_->sizeHint().height());
    columns[1]->addWidget(usedLabel);

    used_ = new TUsedBlocksModel(list_, section5, page);
    usedGrid_ =
        b.AccessibleName(MakeGrid(page, "sgUsedBlocks"), {"Units polled", "Опрашиваемые блоки"});
    usedGrid_->setModel(used_);
    usedGrid_->setToolTip(kUsedTip.text());
    usedGrid_->horizontalHeader()->setStretchLastSection(true);
    columns[1]->addWidget(usedGrid_, 1);

    AddRowsGroup(b, columns[2], "gbBlocksShow", {"Units", "Блоки"}, kShowRows);
    AddRowsGroup(b, columns[2], "gbBlocksShowList", {"Device menu", "Меню устройства"},
                 kShowListRows);
    auto* hint = b.Caption(new QLabel(page), kHint);
    hint->setObjectName(QStringLiteral("lBlocksHint"));
    columns[2]->addWidget(hint);
    columns[2]->addStretch();

    QObject::connect(filterEdit_, &QLineEdit::textChanged, page,
                     [this](const QString& text) { filter_->setFilterFixedString(text); });
    QObject::connect(allGrid_, &QTableView::doubleClicked, page,
                     [this](const QModelIndex& index) { sgAllBlocksDblClick(index); });
    QObject::connect(usedGrid_, &QTableView::doubleClicked, page,
                     [this](const QModelIndex& index) { sgUsedBlocksDblClick(index); });
    // Space works on the row with the focus, as a double click does.
    auto* allSpace = new QShortcut(Qt::Key_Space, allGrid_, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(allSpace, &QShortcut::activated, page,
                     [this] { sgAllBlocksDblClick(allGrid_->currentIndex()); });
    auto* usedSpace = new QShortcut(Qt::Key_Space, usedGrid_, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(usedSpace, &QShortcut::activated, page,
                     [this] { sgUsedBlocksDblClick(usedGrid_->currentIndex()); });
    b.OnCommitted(QStringLiteral("rgBlocksShow"), [this] { rgBlocksShowClick(); });
}

void TPageAddSystems::Load() {
    TEditorPage::Load();
    if (loaded_) FillGrids(); // the settings changed under the open page (a file was loaded)
}

void TPageAddSystems::Activate(bool active) {
    loaded_ = false;
    if (active) Fill();
}

void TPageAddSystems::Fill() {
    try {
        list_ = BuildBlockList(Catalogue());
    } catch (const TError& e) {
        ShowError(e.message());
        return;
    }
    {
        const QScopedValueRollback refreshing(Frame().Refreshing, true);
        Binder().Load(QStringLiteral("rgBlocksShow"));
        Binder().Load(QStringLiteral("rgBlocksShowList"));
    }
    all_->Reset();
    FillGrids();
    loaded_ = true;
}

void TPageAddSystems::FillGrids() {
    all_->SelectionChanged();
    const int current = usedGrid_->currentIndex().row();
    used_->Refill();
    if (used_->rowCount() > 0 && current >= 0)
        usedGrid_->setCurrentIndex(used_->index(std::min(current, used_->rowCount() - 1), 0));
}

void TPageAddSystems::sgAllBlocksDblClick(const QModelIndex& index) {
    if (!index.isValid()) return;
    const int row = filter_->mapToSource(index).row();
    ToggleUnitSelected(Model().Section(5), list_.At(row).Code);
    FillGrids();
}

void TPageAddSystems::sgUsedBlocksDblClick(const QModelIndex& index) {
    if (!index.isValid()) return;
    SetUnitSelected(Model().Section(5), list_.At(used_->ListRow(index.row())).Code, false);
    FillGrids();
}

void TPageAddSystems::rgBlocksShowClick() {
    if (!loaded_) return;
    ApplyBlocksShow(Model().Section(5), list_, int(Model().Get("BlocksShow")), CurrentProt());
    FillGrids();
}
