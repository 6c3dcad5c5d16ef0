#include "PageMeth.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "RadioGroup.h"

namespace {

using enum TCtlKind;
using enum TConv;

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

// clang-format off
constexpr TControlRow kSourceRows[] = {
    // name                 kind   caption                                           unit                   min   max step dec conversion
    {"rgVelocityMeth",      Radio, {"Speed", "Скорость"},                            {},                      0,    0,  0, 0, Plain},
    {"rgRevolutionsMeth",   Radio, {"Engine speed", "Обороты"},                      {},                      0,    0,  0, 0, Plain, kEcuInjector},
    {"rgExpenseMeth",       Radio, {"Petrol consumption", "Расход бензина"},         {},                      0,    0,  0, 0, Plain, kEcuInjector},
    {"rgGasMeth",           Radio, {"Gas consumption", "Расход газа"},               {},                      0,    0,  0, 0, Plain, kEcuInjector},
    {"rgUaccMeth",          Radio, {"Battery voltage", "Напряжение АКБ"},            {},                      0,    0,  0, 0, Plain, kEcuSensor},
    {"rgAirTemperGetMeth",  Radio, {"Air temperature", "Температура воздуха"},       {},                      0,    0,  0, 0, Plain, kEcuSensor},
};

constexpr TControlRow kInjectorRows[] = {
    {"rgForsPosFlag",       Radio, {"Signal polarity", "Полярность сигнала"},        {},                      0,    0,  0, 0, Plain, kPolarity},
    {"rgForsCoef",          Radio, {"Tachometer", "Тахометр"},                       {},                      0,    0,  0, 0, ItemNumber, kPulses},
};

constexpr TControlRow kLockRows[] = {
    {"rgLockType",          Radio, {"Lock", "Замок"},                                {},                      0,    0,  0, 0, Plain, kLockTypes},
    {"rgLockTypeLevel",     Radio, {"Virtual lock level", "Уровень вирт. замка"},    {},                      0,    0,  0, 0, IndexPlus1, kLockLevels},
};

constexpr TControlRow kForecastRows[] = {
    {"rgPrognozMeth",       Radio, {"Consumption", "Расход"},                        {},                      0,    0,  0, 0, Plain, kForecasts},
    {"seK100Manual",        Spin,  {"Manual consumption", "Ручной расход"},          {"L/100 km", "л/100 км"}, 1, 99.9, 0.1, 1, Mul10},
};

constexpr TControlRow kTankRows[] = {
    {"cbTankMeth",          Combo, {"Level source", "Источник уровня"},              {},                      0,    0,  0, 0, Plain},
    {"cbTankMode",          Combo, {"Calibration", "Калибровка"},                    {},                      0,    0,  0, 0, Plain, kTankModes},
    {"seTankContFull",      Spin,  {"Petrol tank", "Бензобак"},                      {"L", "л"},             16, 2040,  1, 0, Plain},
    {"seGazContFull",       Spin,  {"Gas tank", "Газовый баллон"},                   {"L", "л"},             10,  300,  1, 0, Plain},
    {"cbUseTank2",          Check, {"Use tank 2", "Использовать бак 2"},             {},                      0,    0,  0, 0, Plain},
    {"cbCorrTankByAcc",     Check, {"Compens. V batt.", "Компенсац. Uбс"},           {},                      0,    0,  0, 0, Plain},
};

constexpr TControlRow kOptionRows[] = {
    {"rg24VMode",           Radio, {"On-board voltage", "Бортовая сеть"},            {},                      0,    0,  0, 0, Plain, kBatteryModes},
    {"rgGabarType",         Radio, {"Side lights signal", "Сигнал габаритов"},       {},                      0,    0,  0, 0, Plain, kLightSources},
    {"rgGabarInvPol",       Radio, {"Side lights polarity", "Полярность габаритов"}, {},                      0,    0,  0, 0, Plain, kLightPolarity},
    {"cbLightsOn",          Check, {"Low-beam control", "Управление ближним светом"}, {},                     0,    0,  0, 0, Plain},
    {"rgAirTemperMeth",     Radio, {"Air temperature algorithm", "Алгоритм темп. воздуха"}, {},               0,    0,  0, 0, Plain, kAirAlgorithms},
    {"cbGasOil",            Check, {"Gas/petrol mode", "Режим газ/бензин"},          {},                      0,    0,  0, 0, Plain},
    {"rgGasCalcExp",        Radio, {"Gas consumption calculation", "Расчет расхода газа"}, {},                0,    0,  0, 0, Plain, kGasVariants},
};

constexpr TControlRow kHybridRows[] = {
    {"cbHybrUse6VentSpeed", Check, {"Use the 6th HVB fan speed", "Использовать 6-ю скорость вент. ВВБ"}, {},  0,    0,  0, 0, Plain},
    {"cbHybridCoolHVB",     Check, {"HVB heating", "Нагр.ВВБ"},                      {},                      0,    0,  0, 0, Plain},
};
// clang-format on

bool IsNonZero(TMK& m, const char* field) {
    return m.Get(field) != 0;
}

} // namespace

void TPageMeth::Build(QWidget* page) {
    auto columns = MakeColumns(page, 3);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbSources", {"Measurement sources", "Источники данных"},
                 kSourceRows);
    AddRowsGroup(b, columns[0], "gbInjector", {"Injector", "Форсунка"}, kInjectorRows);
    AddRowsGroup(b, columns[0], "gbLock", {"Ignition lock", "Замок зажигания"}, kLockRows);
    // Models with a power reserve show it in place of the mileage forecast.
    const TText forecast = Caps().CapPowerReserve ? TText{"Power reserve", "Запас хода"}
                                                  : TText{"Range forecast", "Прогноз пробега"};
    AddRowsGroup(b, columns[1], "gbForecast", forecast, kForecastRows);
    AddRowsGroup(b, columns[1], "gbTank", {"Fuel tank", "Топливный бак"}, kTankRows);
    AddRowsGroup(b, columns[1], "gbMethOptions", {"Options", "Настройки"}, kOptionRows);
    BuildProtocolGroup(columns[2]);
    AddRowsGroup(b, columns[2], "gbHybridOptions", {"Hybrid drive", "Гибридный привод"},
                 kHybridRows);
    for (auto* column : columns)
        column->addStretch();

    b.OnCommitted("rgVelocityMeth", [this] { rgVelocityMethClick(); });
    b.OnCommitted("rgLockType", [this] { rgLockTypeClick(); });
    for (const char* source : {"rgRevolutionsMeth", "rgExpenseMeth", "rgGasMeth"})
        b.OnCommitted(source, [this] { rgRevolutionsMethClick(); });
    b.OnCommitted("rgPrognozMeth", [this] { rgPrognozMethClick(); });
    b.OnCommitted("cbTankMeth", [this] { cbTankMethChange(); });
    b.OnCommitted("cbTankMode", [this] { Frame().RefreshVisiblePage(); });
}

void TPageMeth::BuildSpeedSourceItems() {
    const TDeviceCaps& caps = Caps();
    QStringList items{Tx("ECU", "ЭБУ")};
    if (caps.CapGPS) items << QStringLiteral("GPS");
    if (!caps.CapNoSpeedSensor) items << Tx("Sens.", "Датч.");
    if (caps.CapNMEA) items << QStringLiteral("NMEA");
    Binder().SetItems("rgVelocityMeth", items);
    if (auto* group = qobject_cast<TRadioGroup*>(Binder().Control("rgVelocityMeth")))
        group->setItemEnabled(0, EcuDataAvailable());
}

void TPageMeth::Load() {
    // Radio-group items that depend on the model exist before the load sets the indexes.
    BuildSpeedSourceItems();
    FillProtocolLists();
    TEditorPage::Load();
    ApplyLockLevelRule();
    ApplyInjectorRule();
    ApplyForecastRule();
}

void TPageMeth::rgVelocityMethClick() {
    ApplySpeedLockRule();
}

void TPageMeth::rgLockTypeClick() {
    ApplyLockLevelRule();
    ApplySpeedLockRule();
}

// Some models take their last speed source only with the virtual ignition lock.
void TPageMeth::ApplySpeedLockRule() {
    if (!Caps().CapSpeedLockRule || Model().Get("LockType") != 0) return;
    auto* group = qobject_cast<TRadioGroup*>(Binder().Control("rgVelocityMeth"));
    if (!group || group->count() < 2 || Model().Get("VelocityMeth") != group->count() - 1) return;
    Model().Set("VelocityMeth", 0, 0);
    Binder().Load("rgVelocityMeth");
}

void TPageMeth::ApplyLockLevelRule() {
    Binder().SetShown("rgLockTypeLevel", Model().Get("LockType") == 1);
}

void TPageMeth::rgRevolutionsMethClick() {
    ApplyInjectorRule();
}

// The injector settings matter only while some quantity is taken from the injector.
void TPageMeth::ApplyInjectorRule() {
    TMK& m = Model();
    const bool injector =
        IsNonZero(m, "RevolutionsMeth") || IsNonZero(m, "ExpenseMeth") || IsNonZero(m, "GasMeth");
    Binder().SetShown("rgForsPosFlag", injector);
    Binder().SetShown("rgForsCoef", injector);
    UpdateGroupVisibility(Widget());
}

void TPageMeth::rgPrognozMethClick() {
    ApplyForecastRule();
}

// The manual consumption figure is used only by the manual forecast.
void TPageMeth::ApplyForecastRule() {
    if (QWidget* manual = Binder().Control("seK100Manual"))
        manual->setEnabled(Model().Get("PrognozMeth") == 2);
}

void TPageMeth::cbTankMethChange() {
    Frame().LevelSourceChanged();
}
