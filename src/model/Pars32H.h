#pragma once

// The settings model: the one copy of the trip computer's memory (the settings image),
// its header and section table, and the eleven decoded section records.
// All multi-byte values in the image and the records are little-endian.

#include "ColorSchemeLayout.h"
#include "DeviceAddressMap.h"
#include "DeviceRecords.h"
#include "FieldTable.h"
#include "MeasParsH.h"
#include "MenuItemsH.h"
#include "ProtsH.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

constexpr int PaletteSize = SchemeRecordSize;   // 16 RGB565 colours + 12 colour-role bytes
constexpr int PaletteOffsetA = SchemeOffset(0); // where the constructor puts scheme A in section 9
constexpr int PaletteOffsetB = SchemeOffset(1); // and scheme B
constexpr std::uint16_t DefaultDeviceVersion = 0x4000;

// The device type whose catalogues serve a device: its own, or the default model's for a
// type the device table does not know. The editor and the journals both ask this, so a
// fault code reads with the protocol entry the editor shows.
std::uint16_t CatalogueDeviceType(std::uint16_t deviceVersion);

// The settings as plain values, without the catalogues: what a transfer on the link's
// thread works on while the window keeps its own model.
struct TSettingsCopy {
    QByteArray image;
    std::uint16_t deviceVersion = DefaultDeviceVersion;
    TSectionRecords sections;
    TRecordParts cleared;
};

class TMK {
public:
    TMK();

    // The device memory as a full read lays it out; DeviceAddressMap.h maps its offsets.
    QByteArray SettingsImage;
    QByteArray Header = QByteArray(HeaderSize, '\0');
    std::uint16_t DeviceVersion = DefaultDeviceVersion;
    QByteArray PaletteA, PaletteB; // default colour schemes
    // The parts of the device's records the user cleared in the journals viewer since the
    // settings were read, loaded or written: a write clears them in the device too.
    TRecordParts ClearedRecords;

    TSettingsCopy CopySettings() const;
    // Takes the image, device version, records and clears of a copy; the header follows.
    void TakeSettings(const TSettingsCopy& settings);

    // Header fields as last read by ReadHeader.
    int SectionCount() const;
    int SettingsVersion() const;
    int SectionAddress(int i) const; // device address of section i (1..14)
    int SectionLength(int i) const;  // table length, counting the device's own 4 bytes

    void ReadHeader();
    // Decode section i (1..11) from the image by the image's own section table. A section
    // the image has no place for (SectionSpan) is skipped, as is one past the table's
    // SectionCount (not the device's); only the bytes the image holds are read, at most the
    // record's size; the rest of the record keeps its bytes.
    void ReadSection(int i);
    // Encode section i into the image at the table's address: min(record, Length - 4)
    // bytes, growing the image when the section runs past its end. A section past the
    // table's SectionCount is left out; one the image has no place for raises ERangeError
    // and changes nothing.
    void WriteSection(int i);
    void ReadSections(int first, int last);
    // All or nothing: when one section is refused, the image stays as it was.
    void WriteSections(int first, int last);

    QByteArray& Section(int i);
    const QByteArray& Section(int i) const;

    // Settings editor: decode 1..10, snapshot, run the dialog; on confirmation encode
    // 1..10 into the image, otherwise restore the snapshot. Returns the confirmation.
    bool Edit(const std::function<bool()>& runDialog);
    // Journals viewer: decode 7 and 1, keep 1, 7 and 11 and the clears; on confirmation
    // encode 7, 1, 11 (all or nothing), otherwise restore them. True when the user confirmed
    // and cleared something: looking alone changes nothing.
    bool ViewJournals(const std::function<bool()>& runDialog);

    // Fills PaletteA and PaletteB; altVariant picks the second set of defaults.
    void MakeDefaultPalettes(bool altVariant);

    // Field access by the field table, on the decoded records.
    std::int64_t Get(std::string_view name, int index = 0) const;
    // The same for a field looked up once, where a name's lookup would be repeated often.
    std::int64_t Get(const FieldDef& field, int index = 0) const;
    void Set(std::string_view name, int index, std::int64_t value);
    double GetNumber(std::string_view name, int index = 0) const;
    void SetNumber(std::string_view name, int index, double value);
    QString GetText(std::string_view name) const;
    void SetText(std::string_view name, const QString& text);

    // Puts every section record back to its constructor defaults, with the default colour
    // schemes and the hot menus of the current menu table.
    void FillDefaults();

    // The device model's catalogues, chosen from DeviceVersion and the stored protocol
    // position; rebuilt when the editor opens.
    TProtCatalogue Prots;   // protocol entries, the current one and the model's capabilities
    TMeasParList MeasPars;  // measured parameters in the editor's order
    TMKMenuTable MenuItems; // the device's menu entries
    const TDeviceCaps& Caps() const { return Prots.Caps(); }

    // Rebuilds the protocol catalogue and capabilities; a protocol position beyond the
    // model's list leaves no current entry. An unknown device type gets the catalogues of
    // the default model (CatalogueDeviceType).
    void SelectCapabilities(std::uint16_t deviceVersion, int protocol, int settingsVersion);
    void BuildMeasParList();
    void BuildMenuItems();
    // The editor's protocol choice: stores the position in `Protocol` and its copy,
    // resets the eight sub-type choices and makes the entry current (ERangeError and no
    // change for a position outside the catalogue).
    void SelectProtocol(int position);
    // The catalogues the settings' words need, from DeviceVersion and the stored protocol
    // and settings version: capabilities, protocol entry, measured parameters (with the
    // captions the settings choose) and the menu table. The editor does this as it opens;
    // anything that describes settings outside it (the change list, describe) does it too.
    void PrepareCatalogues();

private:
    // Before the editor opens: the catalogues, and the default palettes to match.
    void PrepareEdit();
    // The image bytes section i takes by the image's table, at most its record's size;
    // a count of 0 when the table gives it no bytes, nullopt when the image has no place for
    // them.
    std::optional<ImageSpan> sectionPlace(int i);
    // Runs encode; when it throws, the image is put back as it was before the exception
    // passes on.
    void allOrNothing(const std::function<void()>& encode);
    // First constructor step: the default device and its catalogues.
    void SelectDefaultDevice();

    TSectionRecords sections_; // [0] unused
};

// Fills one section record with its defaults from the field table and the few irregular
// defaults (tare points, sample journal records, maintenance names in the current language).
void FillSectionDefaults(int section, QByteArray& record);
// Whether a text field holds its default text in either language (a name nobody chose).
bool IsDefaultText(std::string_view field, const QString& text);
