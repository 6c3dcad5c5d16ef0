#include "PageVoiceWarn.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "ProtocolSelection.h"
#include "ProtsH.h"
#include "RadioGroup.h"

#include <QLabel>
#include <QRadioButton>

namespace {

constexpr std::uint8_t CodeJ1939 = 0x0E;          // trucks: the only protocol with a retarder
constexpr std::uint8_t CodeOutboardNoData = 0xE1; // reports water in the fuel
constexpr int SootFilterIndex = 17;               // shared with water in fuel / engine pump
constexpr int FirstVoiceChoice = 3;               // choices 3 and 4 need voice output
constexpr int SideLightsChoice = 2; // "by the side lights" of the brightness and scheme switches

constexpr TText kSoundItems[] = {{"O", "О"}, {"N", "Н"}, {"B", "Б"}, {"M", "М"}, {"V", "Г"}};
constexpr TText kNoVoice{"no voice output on this device model",
                         "на этой модели нет голосового вывода"};
constexpr TText kNoLights{"no side-light input on this device model",
                          "на этой модели нет входа габаритов"};

struct TWarnInput {
    const TDeviceCaps& caps;
    const TProtBase* prot; // nullptr: the stored protocol lies beyond the list
};
using TWarnRule = bool (*)(const TWarnInput&);

// Hybrids that cool their engine by an electric pump report when it fails.
bool EnginePump(const TWarnInput& in) {
    return in.prot && in.prot->Hybrid && in.prot->HybridCooling;
}
bool PumpOrWater(const TWarnInput& in) {
    return EnginePump(in) || (in.prot && in.prot->Code == CodeOutboardNoData);
}

// clang-format off
bool Ice(const TWarnInput& in)        { return !in.caps.CapNoAirTemp && !in.caps.CapPowerReserve; }
bool Lights(const TWarnInput& in)     { return !in.caps.CapNoLights; }
bool Timing(const TWarnInput& in)     { return !in.caps.CapNoVel100 && CoolantWordingFor(in.prot).accelerationRows; }
bool Coolant(const TWarnInput& in)    { return CoolantWordingFor(in.prot).coolantLimit; }
bool Ready(const TWarnInput& in)      { return CoolantWordingFor(in.prot).warmUpLimit; }
bool AtOil(const TWarnInput& in)      { return in.prot && in.prot->AtOilTemp; }
bool EngOil(const TWarnInput& in)     { return in.prot && in.prot->EngOilTemp; }
bool Hybrid(const TWarnInput& in)     { return in.prot && in.prot->Hybrid; }
bool Trim(const TWarnInput& in)       { return in.caps.CapTrim; }
bool Retarder(const TWarnInput& in)   { return in.prot && in.prot->Code == CodeJ1939; }
// One byte, one control: where the protocol gives index 17 its own meaning, that row wins.
bool SootFilter(const TWarnInput& in) { return in.caps.CapVAG && !PumpOrWater(in); }

struct TWarnGroup {
    const char* name; // objectName of the group box
    TText title;
    int column;
};

constexpr TWarnGroup kGroups[] = {
    {"gbapSupply",    {"Battery and speed", "АКБ и скорость"},  0},
    {"gbapFuel",      {"Fuel", "Топливо"},                      0},
    {"gbapReminders", {"Reminders", "Напоминания"},             0},
    {"gbapEngine",    {"Engine and gearbox", "Двигатель и КПП"}, 1},
    {"gbapHybrid",    {"Hybrid and trim", "Гибрид и трим"},     1},
};
constexpr int ColumnCount = 2;

struct TWarnRow {
    int index;        // element of AlarmSound
    const char* stem; // groups "rgap<stem>_F" and "rgap<stem>_N", label "lap<stem>"
    TText caption;
    bool repeated;    // has the repeated-warning group
    int group;        // place in kGroups
    TWarnRule shown;  // nullptr: on every model
};

constexpr TWarnRow kRows[] = {
    // index stem                     caption                                              repeated group rule
    { 0, "UAccHigh",              {"High batt.volt.", "Высокое U АКБ"},                    true,  0, nullptr},
    { 1, "UAccLow",               {"Low batt.volt.", "Низкое U АКБ"},                      true,  0, nullptr},
    { 2, "Vel",                   {"High speed", "Превыш.скорость"},                       true,  0, nullptr},
    { 3, "Rev",                   {"High eng.speed", "Превыш.обороты"},                    true,  0, nullptr},
    { 7, "100",                   {"Acceleration", "Разгон"},                              true,  0, Timing},
    { 8, "100Down",               {"Brakihg", "Торможение"},                               true,  0, Timing},
    { 4, "Tank",                  {"Fuel rem.", "Остаток бака"},                           true,  1, nullptr},
    {13, "TankFull",              {"Full tank", "Полный бак"},                             false, 1, nullptr},
    {14, "InjTime",               {"%Inj/Exp", "%Впрыск/расход"},                          false, 1, nullptr},
    {11, "Econom",                {"Econometer", "Эконометр"},                             true,  1, nullptr},
    { 6, "TO",                    {"Make TS", "Выполнить ТО"},                             false, 2, nullptr},
    { 9, "Error",                 {"Fault", "Неисправность"},                              false, 2, Ready},
    { 5, "Holo",                  {"Glaze ice", "Гололед"},                                true,  2, Ice},
    {12, "Gabar",                 {"PArk.lights", "Габариты"},                             false, 2, Lights},
    {16, "Lights",                {"Low beam", "Ближн.Свет"},                              false, 2, Lights},
    {10, "LiqTempHigh",           {"Coolant overheat", "Перегрев ОЖ"},                     true,  3, Coolant},
    {26, "EngTemperHigh",         {"Engine overheat", "Перегрев ДВС"},                     true,  3, nullptr},
    {15, "LiqTempReady",          {"Eng.heat.", "Прогрев ДВС"},                            false, 3, Ready},
    {19, "TemperOilEngHigh",      {"Eng.oil overheat", "Перегрев масла ДВС"},              true,  3, EngOil},
    {18, "TemperOilAKPPHigh",     {"AT overheat", "Перегрев АКПП"},                        true,  3, AtOil},
    {20, "CVTFDeterior",          {"AT iol deter.", "Износ масла АКПП"},                   false, 3, AtOil},
    {27, "RetarderOilTemperHigh", {"Retard.overheat", "Перегрев ретардера"},               true,  3, Retarder},
    {17, "SFilter",               {"Diesel filter", "Сажевый фильтр"},                     false, 3, SootFilter},
    {17, "WaterInFuel",           {"Water in fuel", "Вода в топливе"},                     true,  3, PumpOrWater},
    {21, "HVBTemperHigh",         {"HVB overheat", "Перегрев ВВБ"},                        true,  4, Hybrid},
    {22, "InvTemperHigh",         {"Inv.overheat", "Перегрев инвертора"},                  true,  4, Hybrid},
    {24, "TrimLow",               {"Low trim", "Низкий трим"},                             true,  4, Trim},
    {25, "TrimHigh",              {"High trim", "Высокий трим"},                           true,  4, Trim},
};
// clang-format on

constexpr TText kEnginePump{"Engine pump", "Помпа ДВС"};
constexpr int CoolantIndex = 10;
constexpr int EngineIndex = 26;

QString GroupName(const TWarnRow& row, bool repeated) {
    return QStringLiteral("rgap%1_%2").arg(QString::fromUtf8(row.stem), repeated ? "N" : "F");
}

QString LabelName(const TWarnRow& row) {
    return QStringLiteral("lap") + QString::fromUtf8(row.stem);
}

QStringList Groups(const TWarnRow& row) {
    QStringList names{GroupName(row, false)};
    if (row.repeated) names << GroupName(row, true);
    return names;
}

} // namespace

void TPageVoiceWarn::Build(QWidget* page) {
    TControlBinder& b = Binder();
    const std::vector<QVBoxLayout*> columns = MakeColumns(page, ColumnCount);
    for (int g = 0; g < int(std::size(kGroups)); ++g) {
        const TWarnGroup& group = kGroups[g];
        QGridLayout* grid =
            AddGroup(b, columns[std::size_t(group.column)], group.name, group.title);
        QWidget* box = grid->parentWidget();
        int r = 0;
        // A heading over each column of choices, once at the top of each page column.
        if (g == 0 || kGroups[g - 1].column != group.column) {
            const QString column = QString::number(group.column);
            auto heading = [&](const char* name, TText text, TText tip, int at) {
                auto* l = b.Caption(new QLabel(box), text);
                l->setObjectName(QString::fromUtf8(name) + column);
                l->setToolTip(tip.text());
                grid->addWidget(l, r, at);
            };
            heading("lapFirst", {"First", "Первое"},
                    {"Sound of the first warning", "Звук первого предупреждения"}, 1);
            heading("lapRepeated", {"Repeated", "Повторные"},
                    {"Sound of the repeated warnings", "Звук повторных предупреждений"}, 2);
            ++r;
        }
        for (const TWarnRow& row : kRows) {
            if (row.group != g) continue;
            auto* label = b.Caption(new QLabel(box), row.caption);
            label->setObjectName(LabelName(row));
            grid->addWidget(label, r, 0);
            const QByteArray first = GroupName(row, false).toUtf8();
            const QByteArray repeated = GroupName(row, true).toUtf8();
            TControlRow control{.name = first.constData(),
                                .kind = TCtlKind::SoundPair,
                                .items = kSoundItems,
                                .field = "AlarmSound",
                                .index = row.index,
                                .partner = row.repeated ? repeated.constData() : nullptr};
            label->setBuddy(b.Create(control, box));
            int at = 1;
            for (const QString& name : Groups(row))
                grid->addWidget(b.Control(name), r, at++, Qt::AlignLeft);
            ++r;
        }
    }
    for (QVBoxLayout* column : columns)
        column->addStretch();
}

void TPageVoiceWarn::ApplyAvailability() {
    const TWarnInput in{Caps(), CurrentProt()};
    const TCoolantWording wording = CoolantWordingFor(in.prot);
    TControlBinder& b = Binder();
    for (const TWarnRow& row : kRows) {
        const bool shown = !row.shown || row.shown(in);
        auto* label = Find<QLabel>(LabelName(row));
        label->setVisible(shown);
        b.SetShown(GroupName(row, false), shown);
        for (const QString& name : Groups(row)) {
            auto* group = static_cast<TRadioGroup*>(b.Control(name));
            for (int c = FirstVoiceChoice; c < group->count(); ++c) {
                group->setItemEnabled(c, !in.caps.CapNoVoice);
                group->button(c)->setToolTip(in.caps.CapNoVoice ? kNoVoice.text() : QString());
            }
        }
        if (row.index == CoolantIndex) label->setText(wording.overheatRow.text());
        if (row.index == EngineIndex) label->setText(wording.engineRow.text());
        if (row.index == SootFilterIndex) {
            if (row.repeated) label->setText((EnginePump(in) ? kEnginePump : row.caption).text());
            b.Load(GroupName(row, false)); // the other row of the byte may have changed it
        }
    }
    // The display's brightness and colour scheme cannot follow side lights the model lacks.
    for (const char* name : {"rgIntenseMeth", "rgColorMeth"})
        if (auto* group = Frame().findChild<TRadioGroup*>(QString::fromUtf8(name));
            group && group->button(SideLightsChoice)) {
            group->setItemEnabled(SideLightsChoice, !in.caps.CapNoLights);
            group->button(SideLightsChoice)
                ->setToolTip(in.caps.CapNoLights ? kNoLights.text() : QString());
        }
    UpdateGroupVisibility(Widget());
}
