// The fuel tank page: the two-point, seven-point and tared calibrations of the level sensor.

#include "SettingRows.h"
#include "TareTable.h"

#include "Pars32H.h"

namespace settingrows {

namespace {

constexpr TText kInclines[] = {{"Rev", "Обратный"}, {"Dir", "Прямой"}, {"Auto", "Авто"}};
constexpr TText kUnits{"CU", "уе"};
constexpr int MaxLitres = 2040;  // the largest tank; the page bounds by the tank's size
constexpr int MaxReading = 2000; // sensor units of the point calibrations
constexpr int SevenPoints = 7;
constexpr int TarePoints = TareMaxPoints;

QString SevenPointLitres(const TSettingContext&, int k) {
    return Tx("7-point calibration: point %1, litres", "Калибровка по 7 точкам: точка %1, литры")
        .arg(k + 1);
}
QString SevenPointUnits(const TSettingContext&, int k) {
    return Tx("7-point calibration: point %1, sensor units", "Калибровка по 7 точкам: точка %1, уе")
        .arg(k + 1);
}
// Points past the stored length are not in the editor's table: they have no caption.
bool InTareTable(const TSettingContext& c, int k) {
    const std::int64_t length = c.model.Get("TarirLeng");
    return length <= TareMaxPoints && k < length;
}
QString TareLitres(const TSettingContext& c, int k) {
    if (!InTareTable(c, k)) return {};
    return Tx("Tare point %1, litres", "Точка тарировки %1, литры").arg(k + 1);
}
QString TareUnits(const TSettingContext& c, int k) {
    if (!InTareTable(c, k)) return {};
    return Tx("Tare point %1, sensor units", "Точка тарировки %1, уе").arg(k + 1);
}

#define POINTS(setting, en, ru, unit_, max_, field_, n, caption_, control_)                        \
    {                                                                                              \
        .name = setting, .kind = Number, .caption = {en, ru}, .unit = unit_, .max = max_,          \
        .step = 1, .page = "tsOil", .field = field_, .count = n, .control = control_,              \
        .elementCaption = caption_                                                                 \
    }

// clang-format off
const TSettingDesc kRows[] = {
    // name              kind    caption                                                                   unit    min  max         step dec conversion items      page
    {"Lit6L",            Number, {"2-point calibration: point 1, litres", "Калибровка по 2 точкам: точка 1, литры"}, kLitre, 0, MaxLitres, 1, 0, Plain, {},        "tsOil"},
    {"Oil6L",            Number, {"2-point calibration: point 1, sensor units", "Калибровка по 2 точкам: точка 1, уе"}, kUnits, 0, MaxReading, 1, 0, Plain, {},    "tsOil"},
    {"Lit43L",           Number, {"2-point calibration: point 2, litres", "Калибровка по 2 точкам: точка 2, литры"}, kLitre, 0, MaxLitres, 1, 0, Plain, {},        "tsOil"},
    {"Oil43L",           Number, {"2-point calibration: point 2, sensor units", "Калибровка по 2 точкам: точка 2, уе"}, kUnits, 0, MaxReading, 1, 0, Plain, {},    "tsOil"},
    {"OilCalibrQuant",   Number, {"Points qnt", "Кол-во точек"},                                           {},     0,   SevenPoints, 1, 0, Plain,      {},        "tsOil"},
    POINTS("OilCalibrLitArr", "7-point calibration: litres", "Калибровка по 7 точкам: литры", kLitre, MaxLitres, "OilCalibrLitArr", SevenPoints, SevenPointLitres, "seOilCalibrLitArr0"),
    POINTS("OilCalibrResArr", "7-point calibration: sensor units", "Калибровка по 7 точкам: уе", kUnits, MaxReading, "OilCalibrResArr", SevenPoints, SevenPointUnits, "seOilCalibrResArr0"),
    {"TarirLeng",        Number, {"Tare points qnt", "Количество точек тарировки"},                        {},     0,   TarePoints,  1, 0, Plain,      {},        "tsOil"},
    {"TarirFlagFinish",  Flag,   {"Tare finished", "Тарировка проведена"},                                 {},     0,   0,           0, 0, Plain,      {},        "tsOil"},
    {"TarirIncline",     List,   {"FLS slope", "Наклон ДУТ (справочно)"},                                  {},     0,   0,           0, 0, Plain,      kInclines, "tsOil"},
    {.name = "TarirLit", .kind = Table, .caption = {"Tare table: litres", "Таблица тарировки: литры"}, .unit = kLitre,
     .page = "tsOil", .field = "TarirLit", .count = TarePoints, .control = "sgTarir", .elementCaption = TareLitres},
    {.name = "TarirRes", .kind = Table, .caption = {"Tare table: sensor units", "Таблица тарировки: уе"}, .unit = kUnits,
     .page = "tsOil", .field = "TarirRes", .count = TarePoints, .control = "sgTarir", .elementCaption = TareUnits},
};
// clang-format on

#undef POINTS

} // namespace

std::span<const TSettingDesc> FuelRows() {
    return kRows;
}

} // namespace settingrows
