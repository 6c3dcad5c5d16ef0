#include "ByteAccess.h"
#include "Language.h"
#include "MenuItemRows.h"
#include "MenuItemsH.h"

namespace {

constexpr int RecordNumberColumns = 4;
constexpr const char* RecordGap = "     ";

bool Present(menu::Gate gate, const TDeviceCaps& c) {
    using enum menu::Gate;
    switch (gate) {
    case Always:
        return true;
    case IgnitionCorr:
        return c.CapCorrUOZ;
    case Vel100:
        return !c.CapNoVel100;
    case Voice:
        return !c.CapNoVoice;
    case LowBeamControl:
        return c.CapLowBeam;
    case IceWarning:
        // The ice warning needs the outside air temperature; the editor hides it on the
        // same models.
        return !c.CapLowBeam && !c.CapNoAirTemp && !c.CapPowerReserve;
    case Lights:
        return !c.CapNoLights;
    case JamStats:
        return !c.CapNoJamStats;
    case Parking:
        return !c.CapNoPark;
    case Gas:
        return !c.CapNoGas;
    }
    return false;
}

// Default hot menus: list index and the keys of its first entries.
struct HotMenuDefault {
    int list;
    const char* keys[HotMenuSlots];
};

constexpr HotMenuDefault HotMenuDefaults[] = {
    {0,
     {"FullTankMenu", "ToTankMenu", "ErrorsMenu", "FlagSoundMenu", "VelocityLimitMenu",
      "PrognozMenu", "ExpenseHHMenu"}},
    {1,
     {"TripJournMenu", "InitReset0ParamsMenu", "InitReset1ParamsMenu", "ContinueTripMenu",
      "TankJournMenu"}},
    {HotMenuParking,
     {"ParkOffMenu", "ParkSenseMenu_0", "ParkSpeedMenu_0", "ParkBeepTypeMenu", "ParkAlwaysOnMenu"}},
};

} // namespace

QString JournalRecordCaption(int record) {
    if (record == 0) return Tx("Last     MM:HH DD.MM", "Пoс.     ММ:ЧЧ ДД.ММ");
    return QString::number(record).rightJustified(RecordNumberColumns, u' ') +
           QLatin1StringView(RecordGap) + Tx("MM:HH DD.MM", "ММ:ЧЧ ДД.ММ");
}

void TMKMenuTable::Build(const TDeviceCaps& caps) {
    items_.clear();
    // Entries without a fixed number move every later entry one place up when absent.
    int shift = 0;
    for (const menu::Row& row : menu::Rows()) {
        if (!Present(row.gate, caps)) {
            if (row.gate == menu::Gate::Voice) ++shift;
            continue;
        }
        TMKMenuItem item;
        item.Caption = row.record >= 0 ? JournalRecordCaption(row.record) : Tx(row.en, row.ru);
        item.MenuKey = QString::fromLatin1(row.key);
        item.MenuCode = std::uint16_t(row.number - shift);
        item.Group = row.group;
        items_.push_back(std::move(item));
    }
}

const TMKMenuItem* TMKMenuTable::FindByKey(QStringView key) const {
    for (const TMKMenuItem& item : items_)
        if (item.MenuKey == key) return &item;
    return nullptr;
}

const TMKMenuItem* TMKMenuTable::FindByCode(std::uint16_t code) const {
    for (const TMKMenuItem& item : items_)
        if (item.MenuCode == code) return &item;
    return nullptr;
}

std::uint16_t TMKMenuTable::CodeOf(QStringView key) const {
    const TMKMenuItem* item = FindByKey(key);
    return item ? item->MenuCode : 0;
}

void FillDefaultHotMenus(QByteArray& section9, const TMKMenuTable& menu, bool hasParking) {
    bytes::checkRange(section9.size(), HotMenuOffset, HotMenuLists * HotMenuSlots * 2);
    for (const HotMenuDefault& d : HotMenuDefaults) {
        if (d.list == HotMenuParking && !hasParking) continue;
        for (int slot = 0; slot < HotMenuSlots; ++slot) {
            const char* key = d.keys[slot];
            const std::uint16_t code = key ? menu.CodeOf(QString::fromLatin1(key)) : 0;
            bytes::setU16le(section9, HotMenuOffset + (d.list * HotMenuSlots + slot) * 2, code);
        }
    }
}
