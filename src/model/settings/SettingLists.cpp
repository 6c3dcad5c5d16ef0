#include "SettingLists.h"

#include "DeviceModels.h"
#include "Language.h"
#include "Pars32H.h"
#include "ProtsH.h"

QStringList ProtocolMethodItems(const TSettingContext& c) {
    QStringList methods{Tx("Auto", "Авт.")};
    if (c.caps.CapAutoOBD) methods << Tx("AutoOBD", "АвтOBD");
    if (c.caps.CapVAG) methods << Tx("AutoVAG", "АвтVAG");
    if (c.caps.CapAutoOpel) methods << Tx("AutoOpl", "АвтOpl");
    methods << Tx("Man.", "Руч.");
    return methods;
}

bool IsManualProtocolMethod(const TSettingContext& c) {
    return c.model.Get("ProtocolSelectMeth") == ProtocolMethodItems(c).size() - 1;
}

QStringList ProtocolItems(const TSettingContext& c) {
    return c.model.Prots.Names();
}

QStringList ProtocolOptionItems(const TSettingContext& c, int k) {
    return c.prot ? c.prot->Choices(k) : QStringList();
}

QString ProtocolOptionCaption(const TSettingContext& c, int k) {
    return c.prot ? c.prot->SubtypeCaption[std::size_t(k)] : QString();
}

QStringList SpeedSourceItems(const TSettingContext& c) {
    QStringList items{Tx("ECU", "ЭБУ")};
    if (c.caps.CapGPS) items << QStringLiteral("GPS");
    if (!c.caps.CapNoSpeedSensor) items << Tx("Sens.", "Датч.");
    if (c.caps.CapNMEA) items << QStringLiteral("NMEA");
    return items;
}

// The calculation, the device's own sensor input, and as many ECU level readings as the
// protocol supplies. The stored position reads the same on every model (1 the sensor, 2 the
// first ECU reading), so the sensor item is never left out.
QStringList LevelSourceItems(const TSettingContext& c) {
    const int ecuLevels = c.prot ? c.prot->EcuFuelLevels : 0;
    QStringList items{Tx("Calculated", "Расчетный"), Tx("FLS", "ДУТ")};
    if (ecuLevels >= 1) items << Tx("ECU FLS", "ДУТ ЭБУ");
    if (ecuLevels >= 2) items << Tx("ECU FLS2", "ДУТ ЭБУ2");
    if (ecuLevels >= 3) items << Tx("ECU FLS3", "ДУТ ЭБУ3");
    return items;
}
