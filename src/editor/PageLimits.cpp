#include "PageLimits.h"

#include "EditorLayout.h"
#include "Pars32H.h"
#include "ProtocolSelection.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <algorithm>

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kKmh{"km/h", "км/ч"};
constexpr TText kDeg{"°C", "°C"};

// clang-format off
constexpr TControlRow kMotionRows[] = {
    // name                  kind  caption                                                   unit                 min   max  step dec conversion
    {"seVelocityLimit",      Spin, {"Speed", "Скорость"},                                    kKmh,                 40,  200,   2, 0, Div2},
    {"seRevolutionsLimit",   Spin, {"Engine speed", "Обороты"},                              {"x100 rpm", "x100 об/мин"}, 25, 80, 1, 0, Plain},
    {"seVelMinForExp",       Spin, {"Consumption per hour below", "Расход в час при скорости до"}, kKmh,          5,   15,   1, 0, Plain},
    {"seVel100",             Spin, {"Acceleration from 0 to", "Разгон с 0 до"},              kKmh,                 40,  200,   1, 0, Plain},
    {"seVel100Down",         Spin, {"Braking from", "Торможение с"},                         kKmh,                 40,  200,   1, 0, Plain},
    {"seInjTimeLimit",       Spin, {"Injection time at idle", "Время впрыска на ХХ"},        {"%", "%"},            1,   99,   1, 0, Plain},
};

constexpr TControlRow kSupplyRows[] = {
    {"seTankLimit",          Spin, {"Fuel remaining", "Остаток топлива"},                    {"L", "л"},            5,   99,   1, 0, Plain},
    {"seUaccLowLimit",       Spin, {"Low battery voltage", "Низкое напряжение АКБ"},         {"V", "В"},            9, 13.9, 0.1, 1, Mul10},
    {"seUaccHighLimit",      Spin, {"High battery voltage", "Высокое напряжение АКБ"},       {"V", "В"},           14,   16, 0.1, 1, Mul10},
    {"seVAGSFilterLimit",    Spin, {"Soot filter filling", "Заполнение сажевого фильтра"},   {"%", "%"},            5,   60,   1, 0, Plain},
};

constexpr TControlRow kTemperRows[] = {
    {"seLiqTemperLimit",     Spin, {"T coolant, C", "ТОЖ, С"},                               {},                   30,  150,   1, 0, Plain},
    {"seLiqTemperReady",     Spin, {"Engine warmed up at", "Двигатель прогрет при"},         kDeg,                 10,  110,   1, 0, Plain},
    {"seVentTempLimit",      Spin, {"Fan switched on at", "Включение вентилятора при"},      kDeg,                 75,  115,   1, 0, Plain},
    {"seOilEngTemperLimit",  Spin, {"Engine oil", "Масло ДВС"},                              kDeg,                 30,  150,   1, 0, Plain},
    {"seOilAKPPTemperLimit", Spin, {"AT oil", "Масло АКПП"},                                 kDeg,                 80,  150,   1, 0, Plain},
    {"seCVTFDeteriorLim",    Spin, {"AT oil deterioration", "Износ масла АКПП"},             {"thous.", "тыс."},   10,  100,   1, 0, Plain},
    {"seRetarderOilTemperLimit", Spin, {"Retarder oil", "Масло ретардера"},                  kDeg,                 30,  200,   1, 0, Plain},
};

constexpr TControlRow kHybridRows[] = {
    {"seHVBTemperLimit",     Spin, {"High-voltage battery", "ВВБ"},                          kDeg,                 40,   80,   1, 0, Plain},
    {"seInvTemperLimit",     Spin, {"Inverter", "Инвертор"},                                 kDeg,                 50,  120,   1, 0, Plain},
    {"seElEngTemperLimit",   Spin, {"Electric motor", "Электродвигатель"},                   kDeg,                 30,  200,   1, 0, Plain},
    {"seHybrVentSpeedStep",  Spin, {"HVB fan: step per speed", "Вент. ВВБ: шаг скорости"},   kDeg,                  1,    3,   1, 0, Plain},
    {"seAddCoolingTemper",   Spin, {"Additional cooling at", "Доп. охлаждение при"},         kDeg,                 90,  100,   1, 0, Plain},
};

constexpr TControlRow kTrimRows[] = {
    {"seTrimLowLimit",       Spin, {"Low limit", "Нижний предел"},                           {},                   -9,   90,   1, 0, Plain},
    {"seTrimHighLimit",      Spin, {"High limit", "Верхний предел"},                         {},                   -9,   90,   1, 0, Plain},
};
// clang-format on

} // namespace

void TPageLimits::Build(QWidget* page) {
    auto columns = MakeColumns(page, 3);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbLimMotion", {"Speed and engine", "Скорость и двигатель"},
                 kMotionRows);
    AddRowsGroup(b, columns[0], "gbLimSupply", {"Fuel and battery", "Топливо и АКБ"}, kSupplyRows);
    AddRowsGroup(b, columns[1], "gbLimTemper", {"Temperatures", "Температуры"}, kTemperRows);
    AddRowsGroup(b, columns[2], "gbLimHybrid", {"Hybrid drive", "Гибридный привод"}, kHybridRows);
    AddRowsGroup(b, columns[2], "gbLimTrim", {"Trim", "Трим"}, kTrimRows);
    b.OnCommitted("seTrimLowLimit", [this] { seTrimLowLimitExit(); });
    b.OnCommitted("seTrimHighLimit", [this] { seTrimHighLimitExit(); });
    for (auto* column : columns)
        column->addStretch();
}

void TPageLimits::seTrimLowLimitExit() {
    if (auto* high = qobject_cast<QDoubleSpinBox*>(Binder().Control("seTrimHighLimit")))
        high->setMinimum(std::min(double(Model().Get("TrimLowLimit") + 1), high->maximum()));
}

void TPageLimits::seTrimHighLimitExit() {
    if (auto* low = qobject_cast<QDoubleSpinBox*>(Binder().Control("seTrimLowLimit")))
        low->setMaximum(std::max(double(Model().Get("TrimHighLimit") - 1), low->minimum()));
}

void TPageLimits::ProtocolRebuilt() {
    if (QLabel* label = Binder().Label("seLiqTemperLimit"))
        label->setText(CoolantWordingFor(CurrentProt()).limitCaption.text());
}
