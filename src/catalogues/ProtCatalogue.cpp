#include "ByteAccess.h"
#include "Errors.h"
#include "Language.h"
#include "ProtEntryDefs.h"
#include "ProtsH.h"

#include <algorithm>

namespace {

constexpr int FirstCommonParam = 1; // every entry offers parameters 1..16
constexpr int LastCommonParam = 16;

// Digit presets of the selectors: how many numbered texts each starts with.
constexpr int PresetDigits[SubtypeSelectorCount] = {9, 10, 10, 10, 13, 10, 10, 10};

QStringList PresetTexts(int selector) {
    QStringList texts;
    if (selector == 0) // the main selector starts with automatic detection
        texts << Tx("Auto", "Авто");
    for (int i = 1; i <= PresetDigits[selector]; ++i)
        texts << QString::number(i);
    return texts;
}

QString EntryName(const prot::EntryDef& def) {
    return QString::fromUtf8(def.nameRu && !EnglishVersion ? def.nameRu : def.name);
}

TProtBase MakeEntry(int number, std::span<const std::uint8_t> extraParams) {
    const prot::EntryDef& def = *prot::MasterEntry(number);
    TProtBase e(EntryName(def), def.code, def.faultFormat);

    for (int p = FirstCommonParam; p <= LastCommonParam; ++p)
        e.AddParameter(std::uint8_t(p));
    for (std::uint8_t p : def.params) {
        if (p == 0) break;
        e.AddParameter(p);
    }
    for (std::uint8_t p : extraParams)
        e.AddParameter(p);

    for (std::uint8_t unit : prot::MasterBlocks(number))
        e.AddBlock(unit);

    for (const prot::SelectorDef& s : def.selectors) {
        if (s.caption == prot::Caption::None) break;
        if (s.choices != prot::Choices::Digits)
            e.SubtypeItems[s.index] = prot::ChoiceTexts(s.choices);
        e.SetSubtype(s.index, prot::CaptionText(s.caption), s.count);
    }

    e.CoolantWarnings = !(def.flags & prot::NoCoolant);
    e.ReadyWarnings = !(def.flags & prot::NoReady);
    e.AtOilTemp = def.flags & prot::AtOil;
    e.Hybrid = def.flags & prot::Hybrid;
    e.HybridCooling = def.flags & prot::HybridCool;
    e.AirTemperMethod = def.flags & prot::AirTemper;
    e.EcuFuelLevels = def.fuelLevels;
    return e;
}

} // namespace

namespace prot {

const EntryDef* MasterEntry(int number) {
    for (auto part : {CanEntries(), KLineEntries(), OtherEntries()}) {
        if (number >= 1 && number <= int(part.size())) return &part[number - 1];
        number -= int(part.size());
    }
    return nullptr;
}

} // namespace prot

TProtBase::TProtBase(QString name, std::uint8_t code, int faultCodeFormat)
    : Name(std::move(name)), Code(code), FaultCodeFormat(faultCodeFormat) {
    for (int k = 0; k < SubtypeSelectorCount; ++k)
        SubtypeItems[k] = PresetTexts(k);
}

bool TProtBase::HasParam(int number) const {
    return std::find(Params.begin(), Params.end(), number) != Params.end();
}

QStringList TProtBase::Choices(int selector) const {
    if (selector < 0 || selector >= SubtypeSelectorCount || SubtypeCaption[selector].isEmpty())
        return {};
    return SubtypeItems[selector].mid(0, SubtypeCount[selector]);
}

void TProtBase::AddParameter(std::uint8_t number) {
    if (number == 0) return;
    if (ParamCount() >= MaxProtParams) throw ERangeError();
    Params.push_back(number);
}

void TProtBase::AddBlock(std::uint8_t unitCode) {
    if (BlockCount() >= MaxProtBlocks) throw ERangeError();
    Blocks.push_back(unitCode);
}

int TProtBase::SubtypeRoom(int selector) {
    return selector == WideSubtypeSelector ? MaxWideSubtypeItems : MaxSubtypeItems;
}

void TProtBase::SetSubtype(int selector, const QString& caption, int count) {
    if (selector < 0 || selector >= SubtypeSelectorCount || count < 0 ||
        count > SubtypeRoom(selector) || count > SubtypeItems[selector].size())
        throw ERangeError();
    SubtypeCaption[selector] = caption;
    SubtypeCount[selector] = count;
}

void TProtCatalogue::Build(std::uint16_t deviceType, int protocol) {
    entries_.clear();
    unitsInUse_.reset();
    deviceType_ = deviceType;
    caps_ = DeviceCapabilities(deviceType);

    const auto extra = prot::ModelExtraParams(deviceType);
    for (std::uint8_t number : prot::ModelEntries(deviceType)) {
        entries_.push_back(MakeEntry(number, extra));
        for (std::uint8_t unit : entries_.back().Blocks)
            unitsInUse_.set(unit);
    }
    // The device reads only the low byte of the stored position.
    current_ = protocol & 0xFF;
}

const TProtBase* TProtCatalogue::Entry(int position) const {
    return position >= 0 && position < Count() ? &entries_[std::size_t(position)] : nullptr;
}

QStringList TProtCatalogue::Names() const {
    QStringList names;
    for (const TProtBase& e : entries_)
        names << e.Name;
    return names;
}

int EntryFaultCodeFormat(std::uint16_t deviceType, int protocol) {
    const std::vector<std::uint8_t> numbers = prot::ModelEntries(deviceType);
    const std::size_t position = std::size_t(protocol & 0xFF);
    return position < numbers.size() ? prot::MasterEntry(numbers[position])->faultFormat : 0;
}

void SelectProtocol(TProtCatalogue& catalogue, QByteArray& section10, int position) {
    if (!catalogue.Entry(position)) throw ERangeError();
    bytes::checkRange(section10.size(), 0, SubtypeOffset + SubtypeSelectorCount);
    bytes::setU16le(section10, ProtocolOffset, std::uint16_t(position));
    bytes::setU16le(section10, AppliedProtocolOffset, std::uint16_t(position));
    for (int k = 0; k < SubtypeSelectorCount; ++k)
        bytes::setU8(section10, SubtypeOffset + k, 0);
    catalogue.SetCurrent(position);
}
