#pragma once

// The trip computer's own menu entries. Hot menus store entries by their device number
// (`MenuCode`); the editor shows them by caption. Which entries exist, and so their
// numbers, depends on the device model.

#include "DeviceModels.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

enum TMenuGroup : std::uint8_t {
    MenuGroupGeneral = 0,
    MenuGroupJournal = 1, // trip and refuelling journal entries
    MenuGroupParking = 2,
};

struct TMKMenuItem {
    QString Caption; // in the language current when the table was built
    QString MenuKey;
    std::uint16_t MenuCode = 0;
    std::uint8_t Group = MenuGroupGeneral;
};

class TMKMenuTable {
public:
    // Clears the table and appends every entry the model has, in the device's order.
    void Build(const TDeviceCaps& caps);

    int Count() const { return int(items_.size()); }
    const TMKMenuItem& At(int i) const { return items_.at(std::size_t(i)); }
    const std::vector<TMKMenuItem>& Items() const { return items_; }

    // Exact, case-sensitive key; nullptr when the model lacks the entry.
    const TMKMenuItem* FindByKey(QStringView key) const;
    // nullptr when no entry has this code (no entry has code 0).
    const TMKMenuItem* FindByCode(std::uint16_t code) const;
    // The code of the entry, 0 when the model lacks it.
    std::uint16_t CodeOf(QStringView key) const;

private:
    std::vector<TMKMenuItem> items_;
};

// Caption of a journal record entry: "Last     MM:HH DD.MM" for 0, else the number in four
// columns, five blanks and the time stamp pattern.
QString JournalRecordCaption(int record);

// Section 9 hot menus: four lists of ten u16 menu codes (0 = empty), little-endian.
constexpr int HotMenuOffset = 172;
constexpr int HotMenuLists = 4;
constexpr int HotMenuSlots = 10;
constexpr int HotMenuParking = 2; // the list filled only on models with parking sensors

// Fills the default hot menus of section 9 from the built table; a key the table lacks
// gives 0. The parking list is left alone on models without parking sensors.
void FillDefaultHotMenus(QByteArray& section9, const TMKMenuTable& menu, bool hasParking);
