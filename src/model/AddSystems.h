#pragma once

// The additional-systems selection: which of the vehicle's further control units the trip
// computer polls. Section 5's `BlocksSel` holds one bit per unit code (bit c % 8 of byte
// c / 8); its byte 0 also keeps the page's two list choices in bit 0 (`BlocksShow`: 0 all,
// 1 the protocol's units) and bit 7 (`BlocksShowList`: 0 a list, 1 by types).

#include "ProtsH.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct TBlockListEntry {
    std::uint8_t Code;
    QString Name; // in the language current when the list was built
};

// The units the connected model offers, in the unit table's order.
class TBlockList {
public:
    static constexpr int MaxEntries = 201;

    void Clear() { entries_.clear(); }
    // Appends a unit; the entry past MaxEntries raises ERangeError and is not added.
    void Add(std::uint8_t code, const QString& name);

    int Count() const { return int(entries_.size()); }
    const TBlockListEntry& At(int row) const { return entries_.at(std::size_t(row)); }
    const std::vector<TBlockListEntry>& Entries() const { return entries_; }

private:
    std::vector<TBlockListEntry> entries_;
};

// The units of the unit table whose in-use flag some protocol entry of the catalogue's
// device model raised, in table order (a code listed twice is listed twice).
TBlockList BuildBlockList(const TProtCatalogue& catalogue);

// Selection bits of unit codes 0..255 in the section-5 record. Codes 0 and 7 would be the
// page choices' bits; no unit of the table has them.
bool UnitSelected(const QByteArray& section5, std::uint8_t code);
void SetUnitSelected(QByteArray& section5, std::uint8_t code, bool selected);
void ToggleUnitSelected(QByteArray& section5, std::uint8_t code);

// Rows of the list whose unit is selected, in list order (the right-hand grid).
std::vector<int> SelectedRows(const TBlockList& list, const QByteArray& section5);

// The two page choices in byte 0 of `BlocksSel`.
int BlocksShowChoice(const QByteArray& section5);
int BlocksShowListChoice(const QByteArray& section5);
enum TBlocksShow { BlocksShowAll = 0, BlocksShowProtocol = 1 };
// "All" selects every unit of the list; "Protocol" selects the list's units that the
// protocol entry queries and clears the others (all of them when entry is nullptr). Units
// outside the list keep their bits. Then bit 0 takes the choice; bit 7 stays.
void ApplyBlocksShow(QByteArray& section5, const TBlockList& list, int choice,
                     const TProtBase* entry);
// Stores the list-or-types choice in bit 7, keeping bit 0.
void SetBlocksShowList(QByteArray& section5, int choice);
