#include "PageFuel.h"

#include "EditorLayout.h"
#include "Errors.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "SideFileButtons.h"
#include "TareGrid.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {

using enum TCtlKind;

constexpr TText kLitres{"litres", "литры"};
constexpr TText kUnits{"CU", "уе"};
constexpr auto Bare = TRowLabel::Bare;

// clang-format off
// Captions stand in the group's heading and first column, not beside each edit.
constexpr TControlRow kLinear2Rows[] = {
    // kind  setting   name     element label
    {Spin, "Lit6L",   nullptr, 0,      Bare},
    {Spin, "Oil6L",   nullptr, 0,      Bare},
    {Spin, "Lit43L",  nullptr, 0,      Bare},
    {Spin, "Oil43L",  nullptr, 0,      Bare},
};

constexpr TControlRow kQuantRows[] = {
    {Spin, "OilCalibrQuant"},
};

constexpr TControlRow kTareRows[] = {
    {Spin,  "TarirLeng"},
    {Check, "TarirFlagFinish"},
    {Radio, "TarirIncline"},
};
// clang-format on

constexpr TText kAttention{
    "Attention! For the correct operation of the device program, it is NECESSARY to use the "
    "latest versions of the MK software and the configuration program.",
    "Внимание! Для правильной работы программы МК НЕОБХОДИМО использовать последние версии ПО "
    "МК и программы настройки."};
constexpr TText kFileHint{
    "If you want to copy the current tank settings from the current version of the software to "
    "the next ones, save them to a file with the button below before loading new software into "
    "the device.\nAfter loading it, read them back from the file on this page.",
    "Если вы хотите перенести текущие настройки бака из текущей версии ПО в следующие, сохраните "
    "их в файл кнопкой ниже перед загрузкой нового ПО в МК.\nПосле загрузки считайте их из файла "
    "на этой странице."};
constexpr TText kWarning{"Attention! Setting the values manually by the user is NOT RECOMMENDED!\n"
                         "Incorrect setting can lead to incorrect operation of the device!",
                         "Внимание! Установка значений пользователем вручную НЕ РЕКОМЕНДУЕТСЯ!\n"
                         "Некорректная установка может привести к неправильной работе МК!"};

QString SevenPointName(const char* stem, int row) {
    return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(row);
}

QLabel* AddLabel(TControlBinder& b, QWidget* parent, const QString& name, TText text) {
    auto* l = b.Caption(new QLabel(parent), text);
    l->setObjectName(name);
    return l;
}

// A heading line over the litre and unit columns of a point grid.
void AddHeadings(TControlBinder& b, QGridLayout* grid, const char* stem) {
    QWidget* box = grid->parentWidget();
    grid->addWidget(AddLabel(b, box, QStringLiteral("l%1Litres").arg(stem), kLitres), 0, 1);
    grid->addWidget(AddLabel(b, box, QStringLiteral("l%1Units").arg(stem), kUnits), 0, 2);
}

} // namespace

void TPageFuel::Build(QWidget* page) {
    TControlBinder& b = Binder();
    auto* layout = new QVBoxLayout(page);
    auto* attention = AddLabel(b, page, QStringLiteral("lOilAttention"), kAttention);
    attention->setWordWrap(true);
    attention->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    layout->addWidget(attention);

    auto* columnsRow = new QHBoxLayout;
    columnsRow->setSpacing(10);
    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    columnsRow->addLayout(left);
    columnsRow->addLayout(middle);
    columnsRow->addStretch(1);
    layout->addLayout(columnsRow, 1);
    BuildLinear2(left);
    BuildLinear7(left);
    left->addStretch();
    BuildTare(middle);

    auto* hint = AddLabel(b, page, QStringLiteral("lOilFileHint"), kFileHint);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QHBoxLayout;
    auto* save = b.Caption(new QPushButton(page), TankSideFile.saveCaption);
    auto* load = b.Caption(new QPushButton(page), TankSideFile.loadCaption);
    save->setObjectName(QStringLiteral("bOilSave"));
    load->setObjectName(QStringLiteral("bOilLoad"));
    for (QPushButton* button : {save, load}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* warning = AddLabel(b, page, QStringLiteral("lOilWarning"), kWarning);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(warning);

    QObject::connect(save, &QPushButton::clicked, page, [this] { bOilSaveClick(); });
    QObject::connect(load, &QPushButton::clicked, page, [this] { bOilLoadClick(); });
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, page,
                                   [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
}

void TPageFuel::BuildLinear2(QVBoxLayout* column) {
    TControlBinder& b = Binder();
    QGridLayout* grid =
        AddGroup(b, column, "gbOilLinear2", {"Linear 2 points", "Линейный по 2 точкам"});
    QWidget* box = grid->parentWidget();
    AddHeadings(b, grid, "Linear2");
    for (int point = 0; point < 2; ++point) {
        grid->addWidget(
            AddLabel(b, box, QStringLiteral("lOilPoint%1").arg(point + 1),
                     point == 0 ? TText{"Point 1", "Точка 1"} : TText{"Point 2", "Точка 2"}),
            point + 1, 0);
        grid->addWidget(b.Create(kLinear2Rows[2 * point], box), point + 1, 1);
        grid->addWidget(b.Create(kLinear2Rows[2 * point + 1], box), point + 1, 2);
    }
}

void TPageFuel::BuildLinear7(QVBoxLayout* column) {
    TControlBinder& b = Binder();
    QGridLayout* grid =
        AddGroup(b, column, "gbOilLinear7", {"Linear 7 points", "Линейный по 7 точкам"});
    QWidget* box = grid->parentWidget();
    b.AddRows(grid, kQuantRows);
    grid->addWidget(AddLabel(b, box, QStringLiteral("lOilCalibrLitres"), kLitres), 1, 1);
    grid->addWidget(AddLabel(b, box, QStringLiteral("lOilCalibrUnits"), kUnits), 1, 2);
    for (int k = 0; k < SevenPointRows; ++k) {
        auto* number = new QLabel(QString::number(k + 1), box);
        number->setObjectName(SevenPointName("lOilCalibrNum", k));
        const QByteArray lit = SevenPointName("seOilCalibrLitArr", k).toLatin1();
        const QByteArray res = SevenPointName("seOilCalibrResArr", k).toLatin1();
        const TControlRow litRow{Spin, "OilCalibrLitArr", lit.constData(), k, Bare};
        const TControlRow resRow{Spin, "OilCalibrResArr", res.constData(), k, Bare};
        grid->addWidget(number, k + 2, 0, Qt::AlignRight);
        grid->addWidget(b.Create(litRow, box), k + 2, 1);
        grid->addWidget(b.Create(resRow, box), k + 2, 2);
    }
    auto* quant = static_cast<QDoubleSpinBox*>(b.Control(QStringLiteral("seOilCalibrQuant")));
    QObject::connect(quant, &QDoubleSpinBox::valueChanged, box,
                     [this] { seOilCalibrQuantChange(); });
}

void TPageFuel::BuildTare(QVBoxLayout* column) {
    TControlBinder& b = Binder();
    QGridLayout* grid = AddGroup(b, column, "gbOilTare", {"Tare", "Тарированный"});
    QWidget* box = grid->parentWidget();
    tare_ = new TTareGridModel(box);
    grid_ = b.AccessibleName(MakeTareGrid(box, tare_), {"Tare table", "Таблица тарировки"});
    grid->addWidget(grid_, 0, 0, 1, 4, Qt::AlignLeft);
    b.AddRows(grid, kTareRows, 1);
    b.Control(QStringLiteral("rgTarirIncline"))->setEnabled(false); // found by the device
    auto* length = static_cast<QDoubleSpinBox*>(b.Control(QStringLiteral("seTarirLeng")));
    // The grid follows the length while the user spins it, not only when the edit is left.
    QObject::connect(length, &QDoubleSpinBox::valueChanged, box, [this] {
        if (!Frame().Refreshing) Binder().Commit(QStringLiteral("seTarirLeng"));
    });
    b.OnCommitted(QStringLiteral("seTarirLeng"), [this] { seTarirLengChange(); });
}

void TPageFuel::Fill() {
    const QScopedValueRollback refreshing(Frame().Refreshing, true);
    TControlBinder& b = Binder();
    const double tankFull = std::max<std::int64_t>(Model().Get("TankContFull"), 0);
    QStringList litres{QStringLiteral("seLit6L"), QStringLiteral("seLit43L")};
    for (int k = 0; k < SevenPointRows; ++k)
        litres << SevenPointName("seOilCalibrLitArr", k);
    for (const QString& name : litres)
        static_cast<QDoubleSpinBox*>(b.Control(name))->setMaximum(tankFull);
    RepairTareLength(Model().Section(4));
    b.LoadUnder(Widget());
    tare_->SetRows(TareRows(Model().Section(4)));
    tare_->ClearModified();
    seOilCalibrQuantChange();
}

void TPageFuel::seOilCalibrQuantChange() {
    const int quantity =
        int(static_cast<QDoubleSpinBox*>(Binder().Control(QStringLiteral("seOilCalibrQuant")))
                ->value());
    for (int k = 0; k < SevenPointRows; ++k) {
        const bool shown = SevenPointRowVisible(quantity, k);
        Binder().SetShown(SevenPointName("seOilCalibrLitArr", k), shown);
        Binder().SetShown(SevenPointName("seOilCalibrResArr", k), shown);
        Find(SevenPointName("lOilCalibrNum", k))->setVisible(shown);
    }
}

void TPageFuel::seTarirLengChange() {
    // Leaving the edit unchanged keeps the grid as it is, texts not yet stored included.
    if (int(tare_->Rows().size()) == Model().Get("TarirLeng")) return;
    Fill();
}

bool TPageFuel::sgTarirExit() {
    if (!tare_->Modified() || Frame().Refreshing) return true;
    try {
        CommitTareTable(Model().Section(4), tare_->Rows());
    } catch (const TError& e) {
        ShowError(e.message());
        return false;
    }
    tare_->ClearModified();
    Fill();
    return true;
}

void TPageFuel::FocusChanged(QWidget* old, QWidget* now) {
    auto inGrid = [this](QWidget* w) { return w && (w == grid_ || grid_->isAncestorOf(w)); };
    // Leaving the grid for another control of the page stores the table. Leaving the page
    // (another tab, OK, Cancel, another window) is handled by the page change and by OK.
    if (!inGrid(old) || inGrid(now) || !now || !Widget()->isAncestorOf(now)) return;
    if (!sgTarirExit()) ReturnToGrid();
}

void TPageFuel::ReturnToGrid() {
    // Run after the page change or focus change in progress has finished.
    QTimer::singleShot(0, grid_, [this] {
        if (auto* tabs = qobject_cast<QTabWidget*>(Widget()->parentWidget()->parentWidget()))
            tabs->setCurrentWidget(Widget());
        grid_->setFocus();
    });
}

void TPageFuel::Activate(bool active) {
    if (active) {
        Fill();
        return;
    }
    if (!sgTarirExit()) ReturnToGrid();
}

bool TPageFuel::FinishEdits() {
    if (sgTarirExit()) return true;
    ReturnToGrid();
    return false;
}

void TPageFuel::bOilSaveClick() {
    if (!sgTarirExit()) return; // the file would not hold what the grid shows
    SaveSideFile(TankSideFile, Model());
}

void TPageFuel::bOilLoadClick() {
    if (LoadSideFile(TankSideFile, Model())) Fill(); // the user sees the loaded values at once
}
