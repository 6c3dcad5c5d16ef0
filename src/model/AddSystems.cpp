#include "AddSystems.h"

#include "AddSystemUnits.h"
#include "ByteAccess.h"
#include "Errors.h"
#include "FieldAccess.h"

#include <algorithm>

namespace {

constexpr int BitsPerByte = 8;

qsizetype unitByte(std::uint8_t code) {
    return FieldByName("BlocksSel").offset + code / BitsPerByte;
}

std::uint8_t unitMask(std::uint8_t code) {
    return std::uint8_t(1u << (code % BitsPerByte));
}

} // namespace

void TBlockList::Add(std::uint8_t code, const QString& name) {
    if (Count() >= MaxEntries) throw ERangeError();
    entries_.push_back({code, name});
}

TBlockList BuildBlockList(const TProtCatalogue& catalogue) {
    TBlockList list;
    for (const TAddSystemUnit& unit : AddSystemUnits())
        if (catalogue.UnitInUse(unit.code)) list.Add(unit.code, unit.Name());
    return list;
}

bool UnitSelected(const QByteArray& section5, std::uint8_t code) {
    return bytes::u8(section5, unitByte(code)) & unitMask(code);
}

void SetUnitSelected(QByteArray& section5, std::uint8_t code, bool selected) {
    const qsizetype at = unitByte(code);
    const std::uint8_t old = bytes::u8(section5, at);
    bytes::setU8(section5, at,
                 selected ? std::uint8_t(old | unitMask(code))
                          : std::uint8_t(old & ~unitMask(code)));
}

void ToggleUnitSelected(QByteArray& section5, std::uint8_t code) {
    SetUnitSelected(section5, code, !UnitSelected(section5, code));
}

std::vector<int> SelectedRows(const TBlockList& list, const QByteArray& section5) {
    std::vector<int> rows;
    for (int row = 0; row < list.Count(); ++row)
        if (UnitSelected(section5, list.At(row).Code)) rows.push_back(row);
    return rows;
}

int BlocksShowChoice(const QByteArray& section5) {
    return int(ReadFieldInt(section5, FieldByName("BlocksShow")));
}

int BlocksShowListChoice(const QByteArray& section5) {
    return int(ReadFieldInt(section5, FieldByName("BlocksShowList")));
}

void ApplyBlocksShow(QByteArray& section5, const TBlockList& list, int choice,
                     const TProtBase* entry) {
    const FieldDef& show = FieldByName("BlocksShow");
    if (choice != BlocksShowAll && choice != BlocksShowProtocol) throw ERangeError();
    for (const TBlockListEntry& unit : list.Entries()) {
        const bool inProtocol = entry && std::find(entry->Blocks.begin(), entry->Blocks.end(),
                                                   unit.Code) != entry->Blocks.end();
        SetUnitSelected(section5, unit.Code, choice == BlocksShowAll || inProtocol);
    }
    WriteFieldInt(section5, show, 0, choice);
}

void SetBlocksShowList(QByteArray& section5, int choice) {
    WriteFieldInt(section5, FieldByName("BlocksShowList"), 0, choice);
}
