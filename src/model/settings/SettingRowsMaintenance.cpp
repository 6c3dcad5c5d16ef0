// The maintenance page (reminders by mileage, date and engine hours), the additional
// systems page and the universal input and trim page.

#include "AddSystems.h"
#include "Pars32H.h"
#include "SettingRows.h"

namespace settingrows {

namespace {

constexpr TText kThousandKm{"th.km", "тыс.км"};
constexpr int MaxCounter = 99;
constexpr int MaxEngineHours = 3000;
constexpr int UnitBytes = 32;
constexpr int BitsPerByte = 8;
constexpr TText kShowUnits[] = {{"All", "Все"}, {"Protocol", "Протокол"}};
constexpr TText kShowList[] = {{"List", "Списком"}, {"By types", "По типам"}};
constexpr TText kTrimSources[] = {{"ECU", "ЭБУ"}, {"Sens.", "Датч."}};
constexpr TText kTemperCaptions[] = {{"air", "воз"}, {"water", "вод"}, {"eng.", "дв."}};

// The three items the user names: the stored name is their caption.
template <const char* Field> QString NamedItem(const TSettingContext& c) {
    return c.model.GetText(Field);
}
template <const char* Field> QString NamedReminder(const TSettingContext& c) {
    return Tx("%1: reminder", "%1: напоминание").arg(c.model.GetText(Field));
}
constexpr char kForsTOName[] = "ForsTOName";
constexpr char kGRMStrapName[] = "GRMStrapName";
constexpr char kCandleName[] = "CandleName";

// The units of one byte of the selection, by the device model's unit list.
QString UnitsOfByte(const TSettingContext& c, int k, double stored) {
    const TBlockList list = BuildBlockList(c.model.Prots);
    QStringList names;
    for (int bit = 0; bit < BitsPerByte; ++bit) {
        if ((int(stored) >> bit & 1) == 0) continue;
        const int code = k * BitsPerByte + bit;
        QString name = QStringLiteral("#%1").arg(code);
        for (const TBlockListEntry& e : list.Entries())
            if (e.Code == code) name = e.Name;
        names << name;
    }
    return names.isEmpty() ? Tx("none", "нет") : names.join(QStringLiteral(", "));
}
QString UnitCodes(const TSettingContext&, int k) {
    return Tx("Units %1..%2 polled", "Опрашиваемые блоки %1..%2")
        .arg(k * BitsPerByte)
        .arg(k * BitsPerByte + BitsPerByte - 1);
}

#define COUNTER(setting, en, ru)                                                                   \
    { setting, Number, {en, ru}, kThousandKm, 0, MaxCounter, 1, 0, Plain, {}, "tsTO", nullptr }
#define NAMED_COUNTER(setting, en, ru, name_)                                                      \
    {                                                                                              \
        .name = setting, .kind = Number, .caption = {en, ru}, .unit = kThousandKm,                 \
        .max = MaxCounter, .step = 1, .page = "tsTO", .captionOf = NamedItem<name_>                \
    }
#define REMINDER(setting, en, ru, control_)                                                        \
    { .name = setting, .kind = Flag, .caption = {en, ru}, .page = "tsTO", .control = control_ }
#define NAMED_REMINDER(setting, en, ru, control_, name_)                                           \
    {                                                                                              \
        .name = setting, .kind = Flag, .caption = {en, ru}, .page = "tsTO", .control = control_,   \
        .captionOf = NamedReminder<name_>                                                          \
    }
#define NAME(setting, en, ru, control_)                                                            \
    { .name = setting, .kind = Text, .caption = {en, ru}, .page = "tsTO", .control = control_ }

// clang-format off
const TSettingDesc kRows[] = {
    {"AirFiltCntK", Number, {"Air filt.repl.", "Замена.возд.ф."}, kThousandKm, 0, MaxCounter, 1, 0, Plain, {}, "tsTO", offer::AirFilterCounter},
    // Models with a service counter count the next technical service in hundreds of km,
    // shown as thousands with one decimal.
    {.name = "TSCounter", .kind = Number, .caption = {"TS th.km", "ТО тыс.км"}, .unit = kThousandKm, .max = 9.9,
     .step = 0.1, .decimals = 1, .conv = Mul10, .page = "tsTO", .offered = offer::ServiceCounter,
     .field = "AirFiltCntK", .control = "seAirFiltCntK"},
    COUNTER("KPPOilCntK", "Gearbox oil repl.", "Замена мас.КПП"),
    NAMED_COUNTER("ForsTOCntK", "First user-named item", "Первый пункт пользователя", kForsTOName),
    NAMED_COUNTER("GRMStrapCntK", "Second user-named item", "Второй пункт пользователя", kGRMStrapName),
    COUNTER("CoolLiqCntK", "Coolant repl.", "Замена охл.жидк."),
    COUNTER("EngOilCntK", "Engine oil repl.", "Замена масла дв."),
    NAMED_COUNTER("CandleCntK", "Third user-named item", "Третий пункт пользователя", kCandleName),
    NAME("ForsTOName", "Name of the first user-named item", "Название первого пункта пользователя", "eForsTOCntK"),
    NAME("GRMStrapName", "Name of the second user-named item", "Название второго пункта пользователя", "eGRMStrapCntK"),
    NAME("CandleName", "Name of the third user-named item", "Название третьего пункта пользователя", "eCandleCntK"),
    REMINDER("TOFlag_AirFiltCntK", "Air filter: reminder", "Замена возд.ф.: напоминание", "cbAirFiltCntK"),
    REMINDER("TOFlag_KPPOilCntK", "Gearbox oil: reminder", "Замена мас.КПП: напоминание", "cbKPPOilCntK"),
    NAMED_REMINDER("TOFlag_ForsTOCntK", "First user-named item: reminder", "Первый пункт пользователя: напоминание", "cbForsTOCntK", kForsTOName),
    NAMED_REMINDER("TOFlag_GRMStrapCntK", "Second user-named item: reminder", "Второй пункт пользователя: напоминание", "cbGRMStrapCntK", kGRMStrapName),
    REMINDER("TOFlag_CoolLiqCntK", "Coolant: reminder", "Замена охл.жидк.: напоминание", "cbCoolLiqCntK"),
    REMINDER("TOFlag_EngOilCntK", "Engine oil: reminder", "Замена масла дв.: напоминание", "cbEngOilCntK"),
    NAMED_REMINDER("TOFlag_CandleCntK", "Third user-named item: reminder", "Третий пункт пользователя: напоминание", "cbCandleCntK", kCandleName),
    {"TO",        Date,   {"Next TS date", "Дата след.ТО"},                {}, 0, 0, 0, 0, Plain, {}, "tsTO", nullptr},
    {"OSAGO",     Date,   {"Insurance payment date", "Дата опл.ОСАГО"},     {}, 0, 0, 0, 0, Plain, {}, "tsTO", nullptr},
    REMINDER("TOFlag_TO", "Next TS date: reminder", "Дата след.ТО: напоминание", "cbTO"),
    REMINDER("TOFlag_OSAGO", "Insurance payment date: reminder", "Дата опл.ОСАГО: напоминание", "cbOSAGO"),
    REMINDER("TOFlag_MotoHour", "Engine hours: reminder", "Моточасы: напоминание", "cbMotoHour"),
    {"MotoHourLim", Number, {"Engine hours", "Моточасы"}, kHour, 0, MaxEngineHours, 1, 0, Plain, {}, "tsTO", nullptr},

    {"BlocksShow",     List, {"Show", "Показывать"}, {}, 0, 0, 0, 0, Plain, kShowUnits, "tsBlocks", nullptr},
    {"BlocksShowList", List, {"Show", "Показывать"}, {}, 0, 0, 0, 0, Plain, kShowList,  "tsBlocks", nullptr},
    {.name = "BlocksSel", .kind = Table, .caption = {"Units polled", "Опрашиваемые блоки"}, .page = "tsBlocks",
     .field = "BlocksSel", .count = UnitBytes, .control = "sgAllBlocks", .elementCaption = UnitCodes,
     .valueText = UnitsOfByte},

    // name             kind    caption                                              unit min   max step dec conversion items            page         offered
    {"UniMeasDat0",     Number, {"Universal input: Min, data", "Универсальный вход: Мин, показания"}, {}, -180, 2500, 1, 0, Plain, {}, "tsUniMeas", nullptr},
    {"UniMeasADC0",     Number, {"Universal input: Min, ADC", "Универсальный вход: Мин, АЦП"},        {},    0, 1023, 1, 0, Plain, {}, "tsUniMeas", nullptr},
    {"UniMeasDat1",     Number, {"Universal input: Max, data", "Универсальный вход: Макс, показания"}, {}, -180, 2500, 1, 0, Plain, {}, "tsUniMeas", nullptr},
    {"UniMeasADC1",     Number, {"Universal input: Max, ADC", "Универсальный вход: Макс, АЦП"},       {},    0, 1023, 1, 0, Plain, {}, "tsUniMeas", nullptr},
    {"TrimMeth",        List,   {"Trim", "Трим"},                                    {},   0,    0,  0, 0, Plain,     kTrimSources,    "tsUniMeas", offer::Trim},
    {"AirWaterShow",    List,   {"Temperature", "Температура"},                      {},   0,    0,  0, 0, Plain,     kTemperCaptions, "tsUniMeas", nullptr},
};
// clang-format on

#undef COUNTER
#undef NAMED_COUNTER
#undef REMINDER
#undef NAMED_REMINDER
#undef NAME

} // namespace

std::span<const TSettingDesc> MaintenanceRows() {
    return kRows;
}

} // namespace settingrows
