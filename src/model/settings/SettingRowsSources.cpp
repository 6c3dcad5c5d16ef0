// The sources page: where the trip computer takes each quantity from, the measurement
// options, the fuel tank and the ECU protocol with its option lists.

#include "SettingLists.h"
#include "SettingRows.h"

namespace settingrows {

namespace {

constexpr TText kEcuInjector[] = {{"ECU", "ЭБУ"}, {"Inj.", "Форс."}};
constexpr TText kEcuSensor[] = {{"ECU", "ЭБУ"}, {"Sens.", "Датч."}};
constexpr TText kPolarity[] = {{"+", "+"}, {"-", "-"}};
constexpr TText kPulses[] = {{"1", "1"}, {"2", "2"}, {"4", "4"}};
constexpr TText kLockTypes[] = {{"Physical", "Физич."}, {"Virtual", "Вирт."}};
constexpr TText kLockLevels[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"Start", "Стрт"}};
constexpr TText kForecasts[] = {{"Average", "Средн"}, {"10 km", "10 км"}, {"Manual", "Ручн."}};
constexpr TText kTankModes[] = {{"Calibr.2", "Калибров.2"},
                                {"Calibr.7", "Калибров.7"},
                                {"Tare", "Тарирован."},
                                {"Not calibr.", "Некалибр."}};
constexpr TText kBatteryModes[] = {{"12 V", "12 В"}, {"24 V", "24 В"}};
constexpr TText kLightSources[] = {{"Input", "Вход"}, {"ECU", "ЭБУ"}};
constexpr TText kLightPolarity[] = {{"1 (Direct)", "1 (Прямая)"}, {"0 (Inverse)", "0 (Инверсная)"}};
constexpr TText kAirAlgorithms[] = {{"Normal", "Обычн."}, {"Dynamic", "Динамич."}};
constexpr TText kGasVariants[] = {{"Var.1", "Вар.1"}, {"Var.2", "Вар.2"}};

// A protocol's option list k: its items and, where it has one, its own caption.
template <int K> QStringList OptionItems(const TSettingContext& c) {
    return ProtocolOptionItems(c, K);
}
template <int K> QString OptionCaption(const TSettingContext& c) {
    return ProtocolOptionCaption(c, K);
}

#define PROTOCOL_OPTION(k, setting, en, ru, rule)                                                  \
    {                                                                                              \
        .name = setting, .kind = List, .caption = {en, ru}, .page = "tsMeth", .offered = rule,     \
        .captionOf = OptionCaption<k>, .itemsOf = OptionItems<k>                                   \
    }

// clang-format off
const TSettingDesc kRows[] = {
    // name                kind  caption                                                   unit min max step dec conversion  items            page      offered
    {.name = "VelocityMeth", .kind = List, .caption = {"Speed", "Скорость"}, .page = "tsMeth", .itemsOf = SpeedSourceItems},
    {"RevolutionsMeth",   List, {"Engine speed", "Обороты"},                              {}, 0, 0, 0, 0, Plain,       kEcuInjector,   "tsMeth", offer::Methods},
    {"ExpenseMeth",       List, {"Petrol consumption", "Расход бензина"},                 {}, 0, 0, 0, 0, Plain,       kEcuInjector,   "tsMeth", offer::Methods},
    {"GasMeth",           List, {"Gas consumption", "Расход газа"},                       {}, 0, 0, 0, 0, Plain,       kEcuInjector,   "tsMeth", offer::GasMeth},
    {"UaccMeth",          List, {"Battery voltage", "Напряжение АКБ"},                    {}, 0, 0, 0, 0, Plain,       kEcuSensor,     "tsMeth", offer::Methods},
    {"AirTemperGetMeth",  List, {"Air temperature", "Температура воздуха"},               {}, 0, 0, 0, 0, Plain,       kEcuSensor,     "tsMeth", offer::AirSource},
    {"ForsPosFlag",       List, {"Signal polarity", "Полярность сигнала"},                {}, 0, 0, 0, 0, Plain,       kPolarity,      "tsMeth", nullptr},
    {"ForsCoef",          List, {"Tachometer", "Тахометр"},                               {}, 0, 0, 0, 0, ItemNumber,  kPulses,        "tsMeth", nullptr},
    {"LockType",          List, {"Lock", "Замок"},                                        {}, 0, 0, 0, 0, Plain,       kLockTypes,     "tsMeth", nullptr},
    {"LockTypeLevel",     List, {"Virtual lock level", "Уровень вирт. замка"},            {}, 0, 0, 0, 0, IndexPlus1,  kLockLevels,    "tsMeth", nullptr},
    {"PrognozMeth",       List, {"Consumption", "Расход"},                                {}, 0, 0, 0, 0, Plain,       kForecasts,     "tsMeth", nullptr},
    {"K100Manual",      Number, {"Manual consumption", "Ручной расход"}, {"L/100 km", "л/100 км"}, 1, 99.9, 0.1, 1, Mul10, {},        "tsMeth", nullptr},
    {.name = "TankMeth", .kind = List, .caption = {"Level source", "Источник уровня"}, .page = "tsMeth", .itemsOf = LevelSourceItems},
    {"TankMode",          List, {"Calibration", "Калибровка"},                            {}, 0, 0, 0, 0, Plain,       kTankModes,     "tsMeth", nullptr},
    {"TankContFull",    Number, {"Petrol tank", "Бензобак"},                          kLitre, 16, 2040, 1, 0, Plain,       {},             "tsMeth", nullptr},
    {"GazContFull",     Number, {"Gas tank", "Газовый баллон"},                       kLitre, 10,  300, 1, 0, Plain,       {},             "tsMeth", offer::Gas},
    {"UseTank2",          Flag, {"Use tank 2", "Использовать бак 2"},                     {}, 0, 0, 0, 0, Plain,       {},             "tsMeth", nullptr},
    {"CorrTankByAcc",     Flag, {"Compens. V batt.", "Компенсац. Uбс"},                   {}, 0, 0, 0, 0, Plain,       {},             "tsMeth", nullptr},
    {"24VMode",           List, {"On-board voltage", "Бортовая сеть"},                    {}, 0, 0, 0, 0, Plain,       kBatteryModes,  "tsMeth", nullptr},
    {"GabarType",         List, {"Side lights signal", "Сигнал габаритов"},               {}, 0, 0, 0, 0, Plain,       kLightSources,  "tsMeth", offer::LightsFromEcu},
    {"GabarInvPol",       List, {"Side lights polarity", "Полярность габаритов"},         {}, 0, 0, 0, 0, Plain,       kLightPolarity, "tsMeth", offer::Lights},
    {"LightsOn",          Flag, {"Low-beam control", "Управление ближним светом"},        {}, 0, 0, 0, 0, Plain,       {},             "tsMeth", offer::LowBeam},
    {"AirTemperMeth",     List, {"Air temperature algorithm", "Алгоритм темп. воздуха"},  {}, 0, 0, 0, 0, Plain,       kAirAlgorithms, "tsMeth", offer::AirAlgorithm},
    {"GasOil",            Flag, {"Gas/petrol mode", "Режим газ/бензин"},                  {}, 0, 0, 0, 0, Plain,       {},             "tsMeth", offer::Gas},
    {"GasCalcExp",        List, {"Gas consumption calculation", "Расчет расхода газа"},   {}, 0, 0, 0, 0, Plain,       kGasVariants,   "tsMeth", offer::Gas},
    {.name = "ProtocolSelectMeth", .kind = List, .caption = {"Protocol definition", "Способ опр. протокола"}, .page = "tsMeth", .itemsOf = ProtocolMethodItems},
    {.name = "Protocol", .kind = List, .caption = {"Protocol", "Протокол"}, .page = "tsMeth", .offered = offer::ManualProtocol, .control = "cbProtocol", .itemsOf = ProtocolItems},
    PROTOCOL_OPTION(0, "ProtTypeMain", "Implementation variant", "Вариант реализации", offer::ProtocolOption0),
    PROTOCOL_OPTION(1, "ProtTypeAdd1", "Subtype 1", "Подтип 1", offer::ProtocolOption1),
    PROTOCOL_OPTION(2, "ProtTypeAdd2", "Subtype 2", "Подтип 2", offer::ProtocolOption2),
    PROTOCOL_OPTION(3, "ProtTypeAdd3", "Subtype 3", "Подтип 3", offer::ProtocolOption3),
    PROTOCOL_OPTION(4, "ProtTypeAdd4", "Subtype 4", "Подтип 4", offer::ProtocolOption4),
    PROTOCOL_OPTION(5, "ProtTypeAdd5", "Subtype 5", "Подтип 5", offer::ProtocolOption5),
    PROTOCOL_OPTION(6, "ProtTypeAdd6", "Subtype 6", "Подтип 6", offer::ProtocolOption6),
    PROTOCOL_OPTION(7, "ProtTypeAdd7", "Subtype 7", "Подтип 7", offer::ProtocolOption7),
    {"HybrUse6VentSpeed", Flag, {"Use the 6th HVB fan speed", "Использовать 6-ю скорость вент. ВВБ"}, {}, 0, 0, 0, 0, Plain, {}, "tsMeth", offer::Hybrid},
    {"HybridCoolHVB",     Flag, {"HVB heating", "Нагр.ВВБ"},                              {}, 0, 0, 0, 0, Plain,       {},             "tsMeth", offer::HybridCooling},
};
// clang-format on
#undef PROTOCOL_OPTION

} // namespace

std::span<const TSettingDesc> SourceRows() {
    return kRows;
}

} // namespace settingrows
