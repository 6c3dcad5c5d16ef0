#include "Pars32H.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "FieldAccess.h"
#include "ParamRelabel.h"
#include "Rgb565.h"

#include <algorithm>

namespace {

// Default colour schemes: 16 colours (5-bit r, g, b) and the colour-role bytes 32..40.
constexpr Rgb5 SchemeColours[16] = {{0, 0, 0},  {0, 9, 9},   {31, 13, 0}, {9, 9, 0},
                                    {0, 0, 6},  {9, 0, 9},   {9, 17, 17}, {16, 16, 16},
                                    {12, 5, 3}, {31, 0, 0},  {0, 31, 0},  {31, 31, 0},
                                    {0, 0, 31}, {31, 0, 31}, {0, 31, 31}, {31, 31, 31}};
constexpr Rgb5 SchemeBColours[16] = {{0, 0, 0},    {3, 12, 12}, {31, 13, 0}, {9, 9, 0},
                                     {0, 0, 6},    {9, 0, 9},   {9, 17, 17}, {29, 29, 29},
                                     {17, 17, 17}, {13, 0, 0},  {0, 31, 0},  {23, 23, 23},
                                     {0, 0, 31},   {31, 0, 31}, {0, 31, 31}, {13, 13, 22}};
constexpr Rgb5 SchemeBAltColours[16] = {{0, 0, 0},  {0, 9, 9},   {31, 13, 0}, {9, 9, 0},
                                        {0, 0, 6},  {9, 0, 9},   {9, 17, 17}, {16, 16, 16},
                                        {5, 1, 0},  {13, 0, 0},  {0, 31, 0},  {21, 21, 21},
                                        {0, 0, 31}, {31, 0, 31}, {0, 31, 31}, {13, 13, 22}};
constexpr std::uint8_t RolesA[9] = {15, 4, 11, 12, 15, 15, 9, 10, 10};
constexpr std::uint8_t RolesB[9] = {7, 0, 11, 4, 3, 6, 1, 15, 0};
constexpr std::uint8_t RolesAAlt[8] = {10, 4, 11, 12, 14, 14, 7, 11}; // byte 40 left 0
constexpr std::uint8_t RolesBAlt[9] = {7, 0, 11, 0, 0, 15, 1, 12, 0};

template <std::size_t N>
QByteArray makeScheme(const Rgb5 (&colours)[16], const std::uint8_t (&roles)[N]) {
    QByteArray s(PaletteSize, '\0');
    for (int i = 0; i < 16; ++i)
        bytes::setU16le(s, 2 * i, PackColor(colours[i].r, colours[i].g, colours[i].b));
    for (std::size_t i = 0; i < N; ++i)
        s[FirstRoleOffset + int(i)] = char(roles[i]);
    return s;
}

void checkSectionIndex(int i) {
    if (i < 1 || i > SectionCountMax) throw ERangeError();
}

} // namespace

TMK::TMK() {
    // The default device first: its capabilities pick the colour variant, the parameters
    // and the menu entries whose codes the hot menus take.
    SelectDefaultDevice();
    MakeDefaultPalettes(Caps().CapAltPalette);
    BuildMeasParList();
    FillDefaults();
}

void TMK::FillDefaults() {
    for (int i = 1; i <= SectionCountMax; ++i)
        FillSectionDefaults(i, sections_[i]);
    sections_[9].replace(PaletteOffsetA, PaletteSize, PaletteA);
    sections_[9].replace(PaletteOffsetB, PaletteSize, PaletteB);
    FillDefaultHotMenus(sections_[9], MenuItems, !Caps().CapNoPark);
}

QByteArray& TMK::Section(int i) {
    checkSectionIndex(i);
    return sections_[i];
}

const QByteArray& TMK::Section(int i) const {
    checkSectionIndex(i);
    return sections_[i];
}

int TMK::SectionCount() const {
    return bytes::u8(Header, 0);
}
int TMK::SettingsVersion() const {
    return bytes::u8(Header, 1);
}

int TMK::SectionAddress(int i) const {
    if (i < 1 || i > MaxTableSections) throw ERangeError();
    return bytes::u16le(Header, SectionAddressOffset(i));
}

int TMK::SectionLength(int i) const {
    if (i < 1 || i > MaxTableSections) throw ERangeError();
    return bytes::u16le(Header, SectionLengthOffset(i));
}

void TMK::ReadHeader() {
    // A short image yields a short header; the missing bytes read as zero, so a
    // section table that is not there places nothing.
    Header = SettingsImage.left(HeaderSize);
    Header.append(QByteArray(HeaderSize - Header.size(), '\0'));
}

std::optional<ImageSpan> TMK::sectionPlace(int i) {
    checkSectionIndex(i);
    ReadHeader();
    // The device lists its sections in the first SectionCount pairs; pairs behind them hold
    // whatever the memory held, and the device write never sends what they would place.
    if (i > SectionCount()) return ImageSpan{0, 0};
    // The device keeps 4 bytes of its own behind each section, and the next section may
    // follow at once: never touch more than the table gives.
    const int tableCount = SectionLength(i) - SectionTrailerBytes;
    if (tableCount <= 0) return ImageSpan{0, 0};
    const std::optional<ImageSpan> span = SectionSpan(SectionAddress(i), tableCount);
    if (!span) return std::nullopt;
    return ImageSpan{span->offset, std::min(span->count, SectionRecordSize(i))};
}

void TMK::ReadSection(int i) {
    const std::optional<ImageSpan> at = sectionPlace(i);
    if (!at) return;
    const qsizetype available = std::max<qsizetype>(0, SettingsImage.size() - at->offset);
    const qsizetype n = std::min<qsizetype>(at->count, available);
    if (n > 0)
        sections_[i].replace(0, n, QByteArrayView(SettingsImage.constData() + at->offset, n));
}

void TMK::WriteSection(int i) {
    const std::optional<ImageSpan> at = sectionPlace(i);
    if (!at) throw ERangeError();
    if (at->count == 0) return;
    const qsizetype end = qsizetype(at->offset) + at->count;
    if (SettingsImage.size() < end)
        SettingsImage.append(QByteArray(end - SettingsImage.size(), '\0'));
    SettingsImage.replace(at->offset, at->count,
                          QByteArrayView(sections_[i].constData(), at->count));
}

void TMK::ReadSections(int first, int last) {
    for (int i = first; i <= last; ++i)
        ReadSection(i);
}

void TMK::WriteSections(int first, int last) {
    allOrNothing([&] {
        for (int i = first; i <= last; ++i)
            WriteSection(i);
    });
}

void TMK::allOrNothing(const std::function<void()>& encode) {
    const QByteArray kept = SettingsImage;
    try {
        encode();
    } catch (...) {
        SettingsImage = kept;
        ReadHeader();
        throw;
    }
}

bool TMK::Edit(const std::function<bool()>& runDialog) {
    ReadSections(1, 10);
    PrepareEdit();
    const auto snapshot = sections_;
    bool confirmed = false;
    try {
        confirmed = runDialog();
    } catch (...) {
        std::copy(snapshot.begin() + 1, snapshot.begin() + 11, sections_.begin() + 1);
        throw;
    }
    if (confirmed) {
        WriteSections(1, 10);
        return true;
    }
    std::copy(snapshot.begin() + 1, snapshot.begin() + 11, sections_.begin() + 1);
    return false;
}

bool TMK::ViewJournals(const std::function<bool()>& runDialog) {
    ReadSection(7);
    ReadSection(1);
    const QByteArray kept1 = sections_[1], kept7 = sections_[7], kept11 = sections_[11];
    const TRecordParts keptClears = ClearedRecords;
    auto restore = [&] {
        sections_[1] = kept1;
        sections_[7] = kept7;
        sections_[11] = kept11;
        ClearedRecords = keptClears;
    };
    bool confirmed = false;
    try {
        confirmed = runDialog();
    } catch (...) {
        restore();
        throw;
    }
    const bool changed = ClearedRecords != keptClears || sections_[1] != kept1 ||
                         sections_[7] != kept7 || sections_[11] != kept11;
    if (!confirmed || !changed) {
        restore();
        return false;
    }
    try {
        allOrNothing([&] {
            WriteSection(7);
            WriteSection(1);
            WriteSection(11);
        });
    } catch (...) {
        restore();
        throw;
    }
    return true;
}

TSettingsCopy TMK::CopySettings() const {
    return {SettingsImage, DeviceVersion, sections_, ClearedRecords};
}

void TMK::TakeSettings(const TSettingsCopy& settings) {
    SettingsImage = settings.image;
    DeviceVersion = settings.deviceVersion;
    sections_ = settings.sections;
    ClearedRecords = settings.cleared;
    ReadHeader();
}

void TMK::PrepareCatalogues() {
    ReadHeader();
    SelectCapabilities(DeviceVersion, int(Get("Protocol")), SettingsVersion());
    BuildMeasParList();
    BuildMenuItems();
    RelabelMeasPars(*this);
}

void TMK::PrepareEdit() {
    PrepareCatalogues();
    MakeDefaultPalettes(Caps().CapAltPalette);
}

void TMK::MakeDefaultPalettes(bool altVariant) {
    if (altVariant) {
        PaletteA = makeScheme(SchemeColours, RolesAAlt);
        PaletteB = makeScheme(SchemeBAltColours, RolesBAlt);
    } else {
        PaletteA = makeScheme(SchemeColours, RolesA);
        PaletteB = makeScheme(SchemeBColours, RolesB);
    }
}

std::int64_t TMK::Get(std::string_view name, int index) const {
    return Get(FieldByName(name), index);
}

std::int64_t TMK::Get(const FieldDef& f, int index) const {
    return ReadFieldInt(Section(f.section), f, index);
}

void TMK::Set(std::string_view name, int index, std::int64_t value) {
    const FieldDef& f = FieldByName(name);
    WriteFieldInt(sections_[f.section], f, index, value);
}

double TMK::GetNumber(std::string_view name, int index) const {
    const FieldDef& f = FieldByName(name);
    return ReadFieldNumber(sections_[f.section], f, index);
}

void TMK::SetNumber(std::string_view name, int index, double value) {
    const FieldDef& f = FieldByName(name);
    WriteFieldNumber(sections_[f.section], f, index, value);
}

QString TMK::GetText(std::string_view name) const {
    const FieldDef& f = FieldByName(name);
    return ReadFieldText(sections_[f.section], f);
}

void TMK::SetText(std::string_view name, const QString& text) {
    const FieldDef& f = FieldByName(name);
    WriteFieldText(sections_[f.section], f, text);
}
