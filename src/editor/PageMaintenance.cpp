#include "PageMaintenance.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "MaintenanceControls.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "SideFileButtons.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kThousandKm{"th.km", "тыс.км"};
constexpr int MaxCounter = 99;
constexpr int MaxEngineHours = 3000;

// One reminder line: its switch, its caption (or the edit of its user-given name), its
// counter.
struct TCounterLine {
    TControlRow check;
    TText caption;         // empty when the user names the item
    const char* nameField; // the name's text field, or nullptr
    TControlRow counter;
};

// clang-format off
#define TO_CHECK(control, bit) {control, Check, {}, {}, 0, 0, 0, 0, Plain, {}, bit}
#define TO_COUNTER(control) {control, Spin, {}, kThousandKm, 0, MaxCounter, 1, 0, Plain}
const TCounterLine kCounterLines[] = {
    {TO_CHECK("cbAirFiltCntK", "TOFlag_AirFiltCntK"),   {"Air filt.repl.", "Замена.возд.ф."},    nullptr,        TO_COUNTER("seAirFiltCntK")},
    {TO_CHECK("cbKPPOilCntK", "TOFlag_KPPOilCntK"),     {"Gearbox oil repl.", "Замена мас.КПП"}, nullptr,        TO_COUNTER("seKPPOilCntK")},
    {TO_CHECK("cbForsTOCntK", "TOFlag_ForsTOCntK"),     {},                                      "ForsTOName",   TO_COUNTER("seForsTOCntK")},
    {TO_CHECK("cbGRMStrapCntK", "TOFlag_GRMStrapCntK"), {},                                      "GRMStrapName", TO_COUNTER("seGRMStrapCntK")},
    {TO_CHECK("cbCoolLiqCntK", "TOFlag_CoolLiqCntK"),   {"Coolant repl.", "Замена охл.жидк."},   nullptr,        TO_COUNTER("seCoolLiqCntK")},
    {TO_CHECK("cbEngOilCntK", "TOFlag_EngOilCntK"),     {"Engine oil repl.", "Замена масла дв."}, nullptr,       TO_COUNTER("seEngOilCntK")},
    {TO_CHECK("cbCandleCntK", "TOFlag_CandleCntK"),     {},                                      "CandleName",   TO_COUNTER("seCandleCntK")},
};

// Models with a service counter count the next technical service in hundreds of km, shown
// as thousands with one decimal.
const TCounterLine kServiceCounterLine =
    {TO_CHECK("cbAirFiltCntK", "TOFlag_AirFiltCntK"), {"TS th.km", "ТО тыс.км"}, nullptr,
     {"seAirFiltCntK", Spin, {}, kThousandKm, 0, 9.9, 0.1, 1, Mul10}};

struct TDateLine {
    TControlRow check;
    TText caption;
    const char* field;
    const char* edit;
};
const TDateLine kDateLines[] = {
    {TO_CHECK("cbTO", "TOFlag_TO"),       {"Next TS date", "Дата след.ТО"},            "TO",    "deTO"},
    {TO_CHECK("cbOSAGO", "TOFlag_OSAGO"), {"Insurance payment date", "Дата опл.ОСАГО"}, "OSAGO", "deOSAGO"},
};

const TControlRow kEngineHourRows[] = {
    TO_CHECK("cbMotoHour", "TOFlag_MotoHour"),
    {"seMotoHourLim", Spin, {"Engine hours", "Моточасы"}, {"h", "ч"}, 0, MaxEngineHours, 1, 0, Plain},
};
#undef TO_CHECK
#undef TO_COUNTER
// clang-format on

// The user-named items' edits are named after their counters ("eForsTOCntK").
QString NameEditName(const TCounterLine& line) {
    return QLatin1Char('e') + QString::fromLatin1(line.counter.name + 2);
}

} // namespace

TPageMaintenance::~TPageMaintenance() = default;

void TPageMaintenance::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    BuildCounters(AddGroup(b, columns[0], "gbTOCounters",
                           {"Reminders by mileage", "Напоминания по пробегу"}));
    BuildDates(AddGroup(b, columns[1], "gbTODates", {"Reminders by date", "Напоминания по дате"}));

    QGridLayout* hours = AddGroup(b, columns[1], "gbTOMotoHour",
                                  {"Reminder by engine hours", "Напоминание по моточасам"});
    QWidget* box = hours->parentWidget();
    hours->addWidget(b.Create(kEngineHourRows[0], box), 0, 0);
    hours->addWidget(b.Create(kEngineHourRows[1], box), 0, 2);
    hours->addWidget(b.Label(QStringLiteral("seMotoHourLim")), 0, 1);
    hours->addWidget(box->findChild<QLabel*>(QStringLiteral("lMotoHourLimUnit")), 0, 3);

    // The buttons stand in a plain column: the page's label columns are lined up by grid.
    auto* fileBox = b.Caption(new QGroupBox, {"TS settings file", "Файл настроек ТО"});
    fileBox->setObjectName(QStringLiteral("gbTOFile"));
    auto* file = new QVBoxLayout(fileBox);
    auto* save = b.Caption(new QPushButton(fileBox), MaintenanceSideFile.saveCaption);
    auto* load = b.Caption(new QPushButton(fileBox), MaintenanceSideFile.loadCaption);
    save->setObjectName(QStringLiteral("bTOSave"));
    load->setObjectName(QStringLiteral("bTOLoad"));
    file->addWidget(save);
    file->addWidget(load);
    columns[1]->addWidget(fileBox);
    for (QPushButton* button : {save, load})
        button->setAutoDefault(false);
    QObject::connect(save, &QPushButton::clicked, page, [this] { bTOSaveClick(); });
    QObject::connect(load, &QPushButton::clicked, page, [this] { bTOLoadClick(); });
    for (auto* column : columns)
        column->addStretch();
}

void TPageMaintenance::BuildCounters(QGridLayout* grid) {
    TControlBinder& b = Binder();
    QWidget* box = grid->parentWidget();
    int r = 0;
    for (const TCounterLine& plain : kCounterLines) {
        const TCounterLine& line =
            &plain == &kCounterLines[0] && Caps().CapTSCounter ? kServiceCounterLine : plain;
        grid->addWidget(b.Create(line.check, box), r, 0);
        QWidget* counter = b.Create(line.counter, box);
        if (line.nameField) {
            auto* name = new TDeviceTextEdit(Model(), line.nameField, NameEditName(line),
                                             Frame().Refreshing, box);
            names_.push_back(name);
            grid->addWidget(name->Edit(), r, 1);
        } else {
            auto* caption = b.Caption(new QLabel(box), line.caption);
            caption->setObjectName(QLatin1Char('l') + QString::fromLatin1(line.counter.name + 2));
            caption->setBuddy(counter);
            grid->addWidget(caption, r, 1);
        }
        grid->addWidget(counter, r, 2);
        grid->addWidget(box->findChild<QLabel*>(QLatin1Char('l') +
                                                QString::fromLatin1(line.counter.name + 2) +
                                                QStringLiteral("Unit")),
                        r, 3);
        ++r;
    }
}

void TPageMaintenance::BuildDates(QGridLayout* grid) {
    TControlBinder& b = Binder();
    QWidget* box = grid->parentWidget();
    int r = 0;
    for (const TDateLine& line : kDateLines) {
        auto* date = new TDayNumberEdit(Model(), line.field, QString::fromLatin1(line.edit),
                                        Frame().Refreshing, box);
        dates_.push_back(date);
        auto* caption = b.Caption(new QLabel(box), line.caption);
        caption->setObjectName(QLatin1Char('l') + QString::fromLatin1(line.edit + 2));
        caption->setBuddy(date->Edit());
        grid->addWidget(b.Create(line.check, box), r, 0);
        grid->addWidget(caption, r, 1);
        grid->addWidget(date->Edit(), r, 2);
        grid->addWidget(date->Mark(), r, 3);
        ++r;
    }
}

void TPageMaintenance::Load() {
    TEditorPage::Load();
    for (TDeviceTextEdit* name : names_)
        name->Load();
    for (TDayNumberEdit* date : dates_)
        date->Load();
}

bool TPageMaintenance::FinishEdits() {
    for (TDeviceTextEdit* name : names_)
        if (!name->Commit()) return false;
    return true;
}

void TPageMaintenance::bTOSaveClick() {
    SaveSideFile(MaintenanceSideFile, Model());
}

void TPageMaintenance::bTOLoadClick() {
    if (!LoadSideFile(MaintenanceSideFile, Model())) return;
    // The file also holds the unit selection, the universal input and the temperature
    // caption: every page shows the loaded values at once.
    RelabelMeasPars(Model());
    const bool wasRefreshing = Frame().Refreshing;
    Frame().Refreshing = true;
    Frame().LoadPages();
    Frame().Refreshing = wasRefreshing;
}
