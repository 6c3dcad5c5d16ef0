#include "PageColor.h"

#include "ColorGrids.h"
#include "ColorSchemes.h"
#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "RadioGroup.h"
#include "SampleScreens.h"
#include "ScreenPreview.h"
#include "SettingPages.h"
#include "SettingsScreens.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

namespace {

using enum TCtlKind;

constexpr int ChannelMax = 31; // 5-bit units
constexpr int PreviewColumns = 2;
constexpr int ChannelGap = 8; // px between one channel's spin edit and the next label

constexpr TText kDayNight[] = {{"Day", "День"}, {"Night", "Ночь"}};

// clang-format off
constexpr TRoleRow kDigitRoles[] = {
    {TColourRole::DigitColor1,      {"Color 1", "Цвет 1"}},
    {TColourRole::DigitBack1,       {"Background 1", "Фон 1"}},
    {TColourRole::DigitColor2,      {"Color 2", "Цвет 2"}},
    {TColourRole::DigitBack2,       {"Background 2", "Фон 2"}},
    {TColourRole::DigitFrame,       {"Frame", "Рамка"}},
    {TColourRole::DigitBottomPanel, {"Bott.panel", "Нижн.панель"}},
};
constexpr TRoleRow kMenuRoles[] = {
    {TColourRole::MenuActiveColor,  {"Active item color", "Цвет активного пункта"}},
    {TColourRole::MenuActiveBack,   {"Active item background", "Фон активного пункта"}},
    {TColourRole::MenuHotNumColor,  {"Hot item num.color", "Цвет номера горячего пункта"}},
};

constexpr TControlRow kActiveSchemeRows[] = {
    {Radio, "ActiveColorScheme"},
};

struct TPreviewDef {
    const char* name;
    TScreenKind kind;
    TText title; // for screen readers
};
constexpr TPreviewDef kDigitPreviews[] = {
    {"pbDigit1", TScreenKind::X1, {"Sample one-value screen", "Образец дисплея х1"}},
    {"pbDigit4", TScreenKind::X4, {"Sample four-value screen", "Образец дисплея х4"}},
    {"pbDigit9", TScreenKind::X9, {"Sample nine-value screen", "Образец дисплея х9"}},
    {"pbDigit6", TScreenKind::X6, {"Sample six-value screen", "Образец дисплея х6"}},
};
// clang-format on
constexpr TText kMenuPreview{"Sample menu", "Образец меню"};

// The grids and the edits beside them, for screen readers.
constexpr TText kPaletteName{"Palette of the edited scheme", "Палитра редактируемой схемы"};
constexpr TText kDigitRolesName{"Colors of the digital displays", "Цвета цифровых дисплеев"};
constexpr TText kMenuRolesName{"Colors of the menu", "Цвета меню"};
constexpr TText kRoleColourName{"Palette color of the chosen item",
                                "Цвет палитры выбранного пункта"};
constexpr TText kRed{"Red", "Красный"}, kGreen{"Green", "Зелёный"}, kBlue{"Blue", "Синий"};

constexpr TText kRestoreQuestion{
    "Initialize all the color scheme settings to their original state? ",
    "Привести все настройки цветовых схем в исходное состояние?"};

QSpinBox* makeSpin(const char* name, int max, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromUtf8(name));
    spin->setRange(0, max);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

} // namespace

struct TPageColor::RoleGrid {
    std::span<const TRoleRow> rows;
    TColourGridModel* model = nullptr;
    QTableView* grid = nullptr;
    QLabel* label = nullptr;
    QSpinBox* spin = nullptr;
};

TPageColor::TPageColor(TMK_SetParamsDlg& frame)
    : TEditorPage(frame), digit_(std::make_unique<RoleGrid>()),
      menu_(std::make_unique<RoleGrid>()) {
    digit_->rows = kDigitRoles;
    menu_->rows = kMenuRoles;
}

TPageColor::~TPageColor() = default;

void TPageColor::Build(QWidget* page) {
    TControlBinder& b = Binder();
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    row->addLayout(left);
    row->addLayout(right, 1);

    // The palette of the edited scheme and the channels of its selected colour.
    QGridLayout* palette = AddGroup(b, left, "gbPalette", {"Palette", "Палитра"});
    QWidget* box = palette->parentWidget();
    palette_ = new TColourGridModel(
        Model(), {}, [this] { return Frame().EditedScheme; }, page);
    sgPalette_ = b.AccessibleName(MakeColourGrid("sgPalette", palette_, box), kPaletteName);
    lColorTab_ = new QLabel(box);
    lColorTab_->setObjectName(QStringLiteral("lColorTab"));
    palette->addWidget(sgPalette_, 0, 0, 1, 6);
    palette->addWidget(lColorTab_, 1, 0, 1, 6);
    auto* channels = new QHBoxLayout;
    for (auto [name, text, spin, spoken] :
         {std::tuple{"seR", "R", &seR_, kRed}, std::tuple{"seG", "G", &seG_, kGreen},
          std::tuple{"seB", "B", &seB_, kBlue}}) {
        *spin = b.AccessibleName(makeSpin(name, ChannelMax, box), spoken);
        auto* label = new QLabel(QString::fromUtf8(text), box);
        label->setObjectName(QStringLiteral("l") + QString::fromUtf8(text));
        label->setBuddy(*spin);
        channels->addWidget(label);
        channels->addWidget(*spin);
        channels->addSpacing(ChannelGap);
        QObject::connect(*spin, &QSpinBox::valueChanged, page, [this] { seRChange(); });
    }
    channels->addStretch();
    palette->addLayout(channels, 2, 0, 1, 6);
    QObject::connect(sgPalette_->selectionModel(), &QItemSelectionModel::currentRowChanged, page,
                     [this](const QModelIndex& now) { sgPaletteClick(now.row()); });
    left->addStretch();

    // Which scheme is edited, which one the device uses by hand, and the defaults.
    QGridLayout* schemes = AddGroup(b, right, "gbColorScheme", {"Color schemes", "Цветовые схемы"});
    box = schemes->parentWidget();
    auto* edited = b.Caption(new QLabel(box), {"Edited scheme", "Цветовая схема"});
    edited->setObjectName(QStringLiteral("lCurrColorSchemeNum"));
    rgCurrColorSchemeNum_ =
        b.AccessibleName(new TRadioGroup(box), {"Edited scheme", "Цветовая схема"});
    rgCurrColorSchemeNum_->setObjectName(QStringLiteral("rgCurrColorSchemeNum"));
    edited->setBuddy(rgCurrColorSchemeNum_);
    schemes->addWidget(edited, 0, 0);
    schemes->addWidget(rgCurrColorSchemeNum_, 0, 1, 1, 3, Qt::AlignLeft);
    QObject::connect(rgCurrColorSchemeNum_, &TRadioGroup::clicked, page,
                     [this](int index) { rgCurrColorSchemeNumClick(index); });
    b.AddRows(schemes, kActiveSchemeRows, 1);
    auto* restore =
        b.Caption(new QPushButton(box), {"Restore all defaults", "Все в исх.состояние"});
    restore->setObjectName(QStringLiteral("bPaletteInit"));
    restore->setAutoDefault(false);
    schemes->addWidget(restore, 2, 0, 1, 2, Qt::AlignLeft);
    QObject::connect(restore, &QPushButton::clicked, page, [this] { bPaletteInitClick(); });

    // The roles, with previews of the screens they paint.
    pcColorDisp_ = new QTabWidget(page);
    pcColorDisp_->setObjectName(QStringLiteral("pcColorDisp"));
    right->addWidget(pcColorDisp_, 1);
    QWidget* digits = BuildRolePage(*digit_, "tsColorDig", "sgDigit", "lDigit", "seDigit");
    b.AccessibleName(digit_->grid, kDigitRolesName);
    auto* previews = new QGridLayout;
    for (const TPreviewDef& p : kDigitPreviews) {
        auto* preview = b.AccessibleName(new TScreenPreview(p.name, digits), p.title);
        const int i = int(previews_.size());
        previews->addWidget(preview, i / PreviewColumns, i % PreviewColumns);
        previews_.push_back(preview);
        preview->SetPlaceDescriber([this, preview](int place) {
            const std::vector<std::uint8_t>& codes = preview->Screen().codes;
            return place < int(codes.size())
                       ? PlaceCodeWords(Model().MeasPars, codes[std::size_t(place)])
                       : QString();
        });
    }
    previews->setRowStretch(int(previews_.size() + 1) / PreviewColumns, 1); // keep them together
    static_cast<QHBoxLayout*>(digits->layout())->addLayout(previews, 1);
    QWidget* menu = BuildRolePage(*menu_, "tsColorMenu", "sgMenu", "lMenu", "seMenu");
    b.AccessibleName(menu_->grid, kMenuRolesName);
    auto* pbMenu = b.AccessibleName(new TScreenPreview("pbMenu", menu), kMenuPreview);
    previews_.push_back(pbMenu);
    static_cast<QHBoxLayout*>(menu->layout())->addWidget(pbMenu, 1, Qt::AlignTop);
    pcColorDisp_->addTab(digits, QString());
    pcColorDisp_->addTab(menu, QString());
    QObject::connect(pcColorDisp_, &QTabWidget::currentChanged, page, [this] { ShowScheme(); });

    QObject::connect(digit_->grid->selectionModel(), &QItemSelectionModel::currentRowChanged, page,
                     [this](const QModelIndex& now) { sgDigitClick(now.row()); });
    QObject::connect(digit_->spin, &QSpinBox::valueChanged, page, [this] { seDigitChange(); });
    QObject::connect(menu_->grid->selectionModel(), &QItemSelectionModel::currentRowChanged, page,
                     [this](const QModelIndex& now) { sgMenuClick(now.row()); });
    QObject::connect(menu_->spin, &QSpinBox::valueChanged, page, [this] { seMenuChange(); });
}

QWidget* TPageColor::BuildRolePage(RoleGrid& g, const char* page, const char* name,
                                   const char* label, const char* spin) {
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromUtf8(page));
    auto* row = new QHBoxLayout(tab);
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    g.model = new TColourGridModel(
        Model(), g.rows, [this] { return Frame().EditedScheme; }, tab);
    g.grid = MakeColourGrid(name, g.model, tab);
    g.label = new QLabel(tab);
    g.label->setObjectName(QString::fromUtf8(label));
    g.spin = Binder().AccessibleName(makeSpin(spin, PaletteColourCount - 1, tab), kRoleColourName);
    g.label->setBuddy(g.spin);
    auto* choice = new QHBoxLayout;
    choice->addWidget(g.label);
    choice->addWidget(g.spin);
    choice->addStretch();
    column->addWidget(g.grid);
    column->addLayout(choice);
    column->addStretch();
    return tab;
}

int TPageColor::EditedScheme() {
    return Frame().EditedScheme;
}

int TPageColor::SelectedRow(const QTableView* grid) {
    const int row = grid->currentIndex().row();
    return row < 0 ? 0 : row;
}

void TPageColor::Load() {
    const QScopedValueRollback refill(Frame().Refreshing, true);
    TEditorPage::Load();
    pcColorDisp_->setTabText(0, FindSettingPage("tsColorDig")->caption.text());
    pcColorDisp_->setTabText(1, FindSettingPage("tsColorMenu")->caption.text());
    rgCurrColorSchemeNum_->setItems({kDayNight[0].text(), kDayNight[1].text()});
    Frame().EditedScheme = 0;
    for (QTableView* grid : {sgPalette_, digit_->grid, menu_->grid}) {
        if (!grid->currentIndex().isValid()) grid->setCurrentIndex(grid->model()->index(0, 0));
        FitNameColumn(grid);
    }
    ShowScheme();
}

void TPageColor::Refresh() {
    ShowScheme();
    Binder().Load(QStringLiteral("rgActiveColorScheme"));
}

void TPageColor::Activate(bool active) {
    if (active) ShowScheme();
}

void TPageColor::ShowScheme() {
    const QScopedValueRollback refill(Frame().Refreshing, true);
    rgCurrColorSchemeNum_->setIndex(Frame().EditedScheme);
    for (TColourGridModel* m : {palette_, digit_->model, menu_->model})
        m->Repaint();
    // The channels and choices of the selected rows, of the scheme now edited: a change to
    // one channel must not carry the other two over from the other scheme.
    const int row = SelectedRow(sgPalette_);
    const Rgb5 c = PaletteColour(Model(), Frame().EditedScheme, row).ToRgb5();
    lColorTab_->setText(palette_->RowName(row));
    seR_->setValue(c.r);
    seG_->setValue(c.g);
    seB_->setValue(c.b);
    for (RoleGrid* g : {digit_.get(), menu_.get()}) {
        const int r = SelectedRow(g->grid);
        g->label->setText(g->model->RowName(r));
        g->spin->setValue(g->model->PaletteIndex(r));
    }
    auto renderer = std::make_shared<const TScreenRenderer>(
        SchemeColours(Model(), Frame().EditedScheme), Model().MeasPars, DisplayOptionsOf(Model()));
    for (TScreenPreview* p : previews_) {
        const bool menu = p->objectName() == u"pbMenu";
        const TScreenKind kind = menu ? TScreenKind::Menu : [&] {
            for (const TPreviewDef& d : kDigitPreviews)
                if (p->objectName() == QLatin1String(d.name)) return d.kind;
            return TScreenKind::X4;
        }();
        p->SetScreen(menu ? SampleMenu(Model().MenuItems) : SampleScreen(kind), renderer);
    }
}

void TPageColor::sgPaletteClick(int row) {
    if (Frame().Refreshing || row < 0) return;
    lColorTab_->setText(palette_->RowName(row));
    const QScopedValueRollback refill(Frame().Refreshing, true);
    const Rgb5 c = PaletteColour(Model(), Frame().EditedScheme, row).ToRgb5();
    seR_->setValue(c.r);
    seG_->setValue(c.g);
    seB_->setValue(c.b);
}

void TPageColor::seRChange() {
    if (Frame().Refreshing) return;
    SetPaletteColour(Model(), Frame().EditedScheme, SelectedRow(sgPalette_),
                     Rgb565::FromRgb5(seR_->value(), seG_->value(), seB_->value()));
    Frame().RefreshVisiblePage();
}

void TPageColor::RoleClick(RoleGrid& g, int row) {
    if (Frame().Refreshing || row < 0) return;
    g.label->setText(g.model->RowName(row));
    const QScopedValueRollback refill(Frame().Refreshing, true);
    g.spin->setValue(g.model->PaletteIndex(row));
}

void TPageColor::RoleChange(RoleGrid& g) {
    if (Frame().Refreshing) return;
    SetRolePaletteIndex(Model(), Frame().EditedScheme,
                        g.rows[std::size_t(SelectedRow(g.grid))].role, g.spin->value());
    Frame().RefreshVisiblePage();
}

void TPageColor::sgDigitClick(int row) {
    RoleClick(*digit_, row);
}
void TPageColor::seDigitChange() {
    RoleChange(*digit_);
}
void TPageColor::sgMenuClick(int row) {
    RoleClick(*menu_, row);
}
void TPageColor::seMenuChange() {
    RoleChange(*menu_);
}

void TPageColor::rgCurrColorSchemeNumClick(int index) {
    Frame().EditedScheme = index;
    Frame().RefreshVisiblePage();
}

void TPageColor::bPaletteInitClick() {
    if (!AskYesNo(kRestoreQuestion.text())) return;
    RestoreDefaultSchemes(Model());
    Frame().EditedScheme = 0;
    rgCurrColorSchemeNum_->setIndex(0);
    Frame().RefreshVisiblePage();
    Frame().LoadPages();
}
