#include "HotMenuLists.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "Language.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int CodeBytes = 2;

void checkList(int list) {
    if (list < 0 || list >= HotMenuLists) throw ERangeError();
}

void checkRow(int row) {
    if (row < 0 || row >= HotMenuSlots) throw ERangeError();
}

qsizetype slotOffset(int list, int slot) {
    return HotMenuOffset + (qsizetype(list) * HotMenuSlots + slot) * CodeBytes;
}

// Groups of the insert menu.
constexpr TText Control{"Control", "Управление"};
constexpr TText Resources{"Resources", "Источники"};
constexpr TText Limits{"Limits", "Границы"};
constexpr TText Display{"Display", "Дисплей"};
constexpr TText Voice{"Voice messages", "Озвуч.сообщения"};
constexpr TText Service{"TS", "TO"};
constexpr TText TripLog{"Trip log", "Журнал поездок"};
constexpr TText TripSave{"Save", "Записать"};
constexpr TText TripView{"View", "Просмотреть"};
constexpr TText PetrolLog{"Petrol log", "Журнал заправок"};
constexpr TText Parking{"Parking", "Парковка"};
constexpr TText FrontParking{"Front parling", "Парковка вперед"};

// One key of the insert menu, or a run of numbered keys (the key holds %1, numbered
// first..last), with the group and sub-group it goes into (nullptr: the level above).
struct ChoiceRow {
    int list;
    const TText* group;
    const TText* subGroup;
    const char* key;
    int first = 0, last = -1;
};

// clang-format off
constexpr ChoiceRow kChoiceRows[] = {
    {0, &Control,   nullptr,   "VirtLockMenu"},
    {0, &Control,   nullptr,   "FullTankMenu"},
    {0, &Control,   nullptr,   "ToTankMenu"},
    {0, &Control,   nullptr,   "InTankMenu"},
    {0, &Control,   nullptr,   "VentOnMenu"},
    {0, &Control,   nullptr,   "PrognozMenu"},
    {0, &Control,   nullptr,   "InjTimeHHMenu"},
    {0, &Control,   nullptr,   "ExpenseHHMenu"},
    {0, &Control,   nullptr,   "CorrUOZMenu"},
    {0, &Control,   nullptr,   "CandleDryMenu"},
    {0, &Control,   nullptr,   "EBUInitMenu"},
    {0, &Control,   nullptr,   "EBUResetMenu"},
    {0, &Resources, nullptr,   "TankMethMenu"},
    {0, &Resources, nullptr,   "LightsOnMenu"},
    {0, &Resources, nullptr,   "IntenseDayTimeMenu"},
    {0, &Resources, nullptr,   "IntenseNightTimeMenu"},
    {0, &Limits,    nullptr,   "LiqTemperLimitMenu"},
    {0, &Limits,    nullptr,   "RevolutionsLimitMenu"},
    {0, &Limits,    nullptr,   "VelocityLimitMenu"},
    {0, &Limits,    nullptr,   "TankLimitMenu"},
    {0, &Limits,    nullptr,   "VentTempLimitMenu"},
    {0, &Limits,    nullptr,   "InjTimeLimitMenu"},
    {0, &Limits,    nullptr,   "LiqTemperReadyMenu"},
    {0, &Limits,    nullptr,   "Vel100Menu"},
    {0, &Limits,    nullptr,   "Vel100DownMenu"},
    {0, &Display,   nullptr,   "Intense0Menu"},
    {0, &Display,   nullptr,   "Intense1Menu"},
    {0, &Voice,     nullptr,   "AlarmPermJournMenu"},
    {0, &Voice,     nullptr,   "SoundVolumeMenu"},
    {0, &Voice,     nullptr,   "FlagSoundMenu"},
    {0, &Voice,     nullptr,   "SayParamPeriodMenu"},
    {0, &Voice,     nullptr,   "apVelMenu"},
    {0, &Voice,     nullptr,   "AlarmVelSecNoSayMaxMenu"},
    {0, &Voice,     nullptr,   "apRevMenu"},
    {0, &Voice,     nullptr,   "apTankMenu"},
    {0, &Voice,     nullptr,   "apHoloMenu"},
    {0, &Voice,     nullptr,   "apEconomMenu"},
    {0, &Voice,     nullptr,   "apGabarMenu"},
    {0, &Voice,     nullptr,   "apLightsMenu"},
    {0, &Voice,     nullptr,   "apTankFullMenu"},
    {0, &Voice,     nullptr,   "apInjTimeMenu"},
    {0, &Voice,     nullptr,   "apErrorMenu"},
    {0, &Voice,     nullptr,   "apLiqTempHighMenu"},
    {0, &Voice,     nullptr,   "apLiqTempReadyMenu"},
    {0, &Service,   nullptr,   "ErrorsMenu"},

    {1, nullptr,    nullptr,   "InitTripParamsMenu"},
    {1, nullptr,    nullptr,   "InitReset0ParamsMenu"},
    {1, nullptr,    nullptr,   "InitReset1ParamsMenu"},
    {1, nullptr,    nullptr,   "InitStopParamsMenu"},
    {1, nullptr,    nullptr,   "InitNoStopParamsMenu"},
    {1, nullptr,    nullptr,   "InitResetOnlyParamsMenu"},
    {1, nullptr,    nullptr,   "TripMinStopMenu"},
    {1, nullptr,    nullptr,   "TripJournMenu"},
    {1, &TripLog,   nullptr,   "ContinueTripMenu"},
    {1, &TripLog,   nullptr,   "WriteTripMenu"},
    {1, &TripLog,   &TripSave, "WriteTrip%1Menu", 1, 20},
    {1, &TripLog,   nullptr,   "ViewTripMenu"},
    {1, &TripLog,   &TripView, "ViewTrip%1Menu", 0, 20},
    {1, nullptr,    nullptr,   "TankJournMenu"},
    {1, &PetrolLog, nullptr,   "ViewTank%1Menu", 0, 20},

    {2, &Parking,      nullptr, "ParkOffMenu"},
    {2, &Parking,      nullptr, "ParkUseMenu_0"},
    {2, &Parking,      nullptr, "ParkSenseMenu_0"},
    {2, &Parking,      nullptr, "ParkSpeedMenu_0"},
    {2, &Parking,      nullptr, "ParkBeepTypeMenu"},
    {2, &Parking,      nullptr, "ParkAlwaysOnMenu"},
    {2, &FrontParking, nullptr, "ParkUseMenu_1"},
    {2, &FrontParking, nullptr, "ParkForwConstOffMenu"},
    {2, &FrontParking, nullptr, "ParkSenseMenu_1"},
    {2, &FrontParking, nullptr, "ParkSpeedMenu_1"},
};
// clang-format on

QStringList keysOf(const ChoiceRow& row) {
    const QString key = QString::fromLatin1(row.key);
    if (row.last < row.first) return {key};
    QStringList keys;
    for (int n = row.first; n <= row.last; ++n)
        keys << key.arg(n);
    return keys;
}

// The group captioned so at the end of items, made when the last item is another one.
std::vector<THotMenuChoice>& groupAtEnd(std::vector<THotMenuChoice>& items, const TText* group) {
    if (!group) return items;
    const QString caption = group->text();
    if (items.empty() || !items.back().IsGroup() || items.back().Caption != caption)
        items.push_back({caption, 0, {}});
    return items.back().Items;
}

} // namespace

THotMenuList ReadHotMenu(const QByteArray& section9, int list) {
    checkList(list);
    THotMenuList entries{};
    for (int slot = 0; slot < HotMenuSlots; ++slot)
        entries[std::size_t(slot)] = bytes::u16le(section9, slotOffset(list, slot));
    return entries;
}

void WriteHotMenu(QByteArray& section9, int list, const THotMenuList& entries) {
    checkList(list);
    bytes::checkRange(section9.size(), slotOffset(list, 0), HotMenuSlots * CodeBytes);
    for (int slot = 0; slot < HotMenuSlots; ++slot)
        bytes::setU16le(section9, slotOffset(list, slot), entries[std::size_t(slot)]);
}

void CompactHotMenu(THotMenuList& entries) {
    std::stable_partition(entries.begin(), entries.end(), [](std::uint16_t c) { return c != 0; });
}

void CompactHotMenus(QByteArray& section9) {
    for (int list = 0; list < HotMenuLists; ++list) {
        THotMenuList entries = ReadHotMenu(section9, list);
        CompactHotMenu(entries);
        WriteHotMenu(section9, list, entries);
    }
}

void DeleteHotMenuEntry(THotMenuList& entries, int row) {
    checkRow(row);
    entries[std::size_t(row)] = 0;
}

void ClearHotMenu(THotMenuList& entries) {
    entries.fill(0);
}

void InsertHotMenuEntry(THotMenuList& entries, int row, std::uint16_t code) {
    checkRow(row);
    std::copy_backward(entries.begin() + row, entries.end() - 1, entries.end());
    entries[std::size_t(row)] = code;
}

bool HotMenuInsertDropsLast(const THotMenuList& entries) {
    return entries.back() != 0;
}

void MoveHotMenuEntry(THotMenuList& entries, int from, int to) {
    checkRow(from);
    checkRow(to);
    if (from < to)
        std::rotate(entries.begin() + from, entries.begin() + from + 1, entries.begin() + to + 1);
    else
        std::rotate(entries.begin() + to, entries.begin() + from, entries.begin() + from + 1);
}

QString HotMenuCaption(const TMKMenuTable& menu, std::uint16_t code) {
    const TMKMenuItem* item = code ? menu.FindByCode(code) : nullptr;
    return item ? item->Caption : QString();
}

std::vector<THotMenuChoice> HotMenuInsertChoices(int list, const TMKMenuTable& menu) {
    std::vector<THotMenuChoice> top;
    for (const ChoiceRow& row : kChoiceRows) {
        if (row.list != list) continue;
        for (const QString& key : keysOf(row)) {
            const TMKMenuItem* item = menu.FindByKey(key);
            if (!item) continue;
            groupAtEnd(groupAtEnd(top, row.group), row.subGroup)
                .push_back({item->Caption, item->MenuCode, {}});
        }
    }
    return top;
}
