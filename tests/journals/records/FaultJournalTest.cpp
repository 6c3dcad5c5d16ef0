#include "JournalTestData.h"

#include <gtest/gtest.h>

using namespace journals;

namespace {

QString Code(int format, std::uint32_t code, int main = 0, int add2 = 0) {
    return FaultCodeText({format, std::uint8_t(main), std::uint8_t(add2)}, code);
}

} // namespace

TEST(FaultCode, PlainFormats) {
    EXPECT_EQ(Code(0, 0x0301), "P0301");
    EXPECT_EQ(Code(0, 0x4301), "C0301");
    EXPECT_EQ(Code(0, 0x8ABC), "B0ABC");
    EXPECT_EQ(Code(0, 0x1C123), "U0123"); // bits above 15 play no part
    EXPECT_EQ(Code(1, 0xC1A2), "01A2");
    EXPECT_EQ(Code(2, 70000), "70000");
    EXPECT_EQ(Code(3, 0x8005), "32773п");
    EXPECT_EQ(Code(3, 0x6001), "24577н"); // bit 14 before bit 13
    EXPECT_EQ(Code(3, 0x2001), "8193м");
    EXPECT_EQ(Code(3, 12), "12");
    EXPECT_EQ(Code(4, 0xAB), "00ABSub");
    EXPECT_EQ(Code(4, 0x100), "0100");
    EXPECT_EQ(Code(4, 0xFFF), "0FFF");
    EXPECT_EQ(Code(4, 0x12345), "12345Sub");
    // J1939: SPN 0x7F000 (its top bits stored at 21..23), FMI 31, occurrence 127.
    EXPECT_EQ(Code(5, 0x7FFFF000), "SPN = 520192  FMI = 31  Q = ----");
    EXPECT_EQ(Code(5, 0x7E03006E), "SPN = 110  FMI = 3  Q = 126");
    EXPECT_EQ(Code(10, 0x1234), "18-5");
    for (int f : {6, 7 + 100, 1000, -1})
        EXPECT_TRUE(Code(f, 0x0301).isEmpty()) << f;
}

TEST(FaultCode, FormatsChosenBySubtypes) {
    EXPECT_EQ(Code(7, 0x4301, 0, 1), "C0301");
    EXPECT_EQ(Code(7, 0x4301, 0, 0), "0301");
    EXPECT_EQ(Code(9, 0x4301, 0, 0), "17153");
    EXPECT_EQ(Code(9, 0x4301, 0, 2), "C0301");
    EXPECT_EQ(Code(8, 0x1234, 1, 0), "4660");
    EXPECT_TRUE(Code(8, 0x1234, 0, 0).isEmpty());
    // From 0x4000 the last three decimal digits of the low ten bits become an SAE code.
    EXPECT_EQ(Code(8, 0x4123), "P0291");
    EXPECT_EQ(Code(8, 0x4FFF, 1), "P0023"); // 0x3FF = 1023
    EXPECT_EQ(Code(8, 0x5000), "P0000");
}

TEST(FaultCode, FormatOfTheProtocolTheSettingsChoose) {
    TMK m; // default device: position 0 writes format 1, position 4 (generic OBD) format 0
    EXPECT_EQ(CurrentFaultCodeStyle(m).format, 1);
    m.Set("Protocol", 0, 4);
    m.Set("ProtTypeAdd2", 0, 3);
    EXPECT_EQ(CurrentFaultCodeStyle(m).format, 0);
    EXPECT_EQ(CurrentFaultCodeStyle(m).protTypeAdd2, 3);
    // Read from another device but not yet edited: that device's list counts, where
    // position 7 is a J1939 protocol the default device does not have.
    m.DeviceVersion = 0x4400;
    m.Set("Protocol", 0, 7);
    EXPECT_EQ(CurrentFaultCodeStyle(m).format, 5);
    m.Set("Protocol", 0, 200); // beyond every list
    EXPECT_EQ(CurrentFaultCodeStyle(m).format, 0);
}

TEST(FaultCode, UnknownDeviceTypeReadsWithTheEntryTheEditorShows) {
    TMK m;
    m.DeviceVersion = 0xA5C3; // no model has it
    for (int protocol : {0, 4}) {
        m.Set("Protocol", 0, protocol);
        // Fresh from a file: the model's catalogue still belongs to the previous device.
        m.SelectCapabilities(0x4400, 7, m.SettingsVersion());
        const int before = CurrentFaultCodeStyle(m).format;
        // What the editor builds and lists when it opens.
        m.SelectCapabilities(m.DeviceVersion, protocol, m.SettingsVersion());
        ASSERT_NE(m.Prots.Current(), nullptr) << protocol;
        EXPECT_EQ(before, m.Prots.Current()->FaultCodeFormat) << protocol;
        EXPECT_EQ(CurrentFaultCodeStyle(m).format, m.Prots.Current()->FaultCodeFormat) << protocol;
    }
    EXPECT_EQ(m.Prots.DeviceType(), DefaultDeviceVersion);
    EXPECT_EQ(m.DeviceVersion, 0xA5C3); // a write still needs the device that was read
}

TEST(FaultJournal, RowsOfSlots) {
    LanguageScope lang(true);
    TMK m;
    m.Set("ProtTypeAdd2", 0, 1);
    PutFault(m, 2, 1500, 7, 3, 0x4301, 0);
    const FaultRecord r = ReadFaultRecord(m, 2);
    EXPECT_EQ(r.code, 0x4301u);
    const FaultRowTexts t = FaultRecordTexts(r, FaultCodeStyleOf(m, 7));
    EXPECT_EQ(t.time, "25:00 7.03"); // hours of a fault are not wrapped
    EXPECT_EQ(t.code, "C0301");

    PutFault(m, 3, 605, 7, 3, 0, 0x0301);
    const FaultRowTexts empty = FaultRecordTexts(ReadFaultRecord(m, 3), {});
    EXPECT_TRUE(empty.time.isEmpty());
    EXPECT_TRUE(empty.code.isEmpty());
    EXPECT_THROW(ReadFaultRecord(m, FaultSlotCount), ERangeError);
}

TEST(FreezeFrame, RowsFollowThePidMap) {
    LanguageScope lang(true);
    TMK m;
    PutFault(m, 0, 60, 1, 1, 0x0171, 0x0171);
    QByteArray& s = m.Section(11);
    const int frame = FaultSlotAt(0) + 8;
    bytes::setU16le(s, frame + 4, 0x0210); // fuel system 1 closed loop, 2 with a faulty O2 sensor
    bytes::setS16le(s, frame + 22, 88);    // speed, stored before the engine speed
    bytes::setS16le(s, frame + 24, 2500);
    bytes::setS16le(s, frame + 12, -5); // short-term trim of bank 2
    bytes::setS16le(s, frame + 14, 7);  // long-term trim of bank 1
    bytes::setS16le(s, frame + 34, 4);
    bytes::setS16le(s, frame + 36, -3);  // oxygen sensor, hundredths of a volt
    bytes::setS16le(s, frame + 70, 143); // module voltage, tenths
    for (int pid : {0x03, 0x07, 0x08, 0x0C, 0x0D, 0x12, 0x14, 0x42})
        SetPidPresent(m, pid);

    const auto rows = FreezeFrameRows(ReadFaultRecord(m, 0), ReadFreezeFramePids(m));
    const std::vector<LabelValue> expected = {
        {"Trouble code", "P0171"},
        {"Fuel system 1 status", "Closed loop(O2 sens)"},
        {"Fuel system 2 status", "Closed loop(O2s Flt)"},
        {"Short term fuel trim-Bank 2, %", "-5"},
        {"Long term fuel trim-Bank 1, %", "7"},
        {"Engine RPM", "2500"},
        {"Vehicle speed, km/h", "88"},
        {"Secondary air status", "Off"},
        {"Oxygen sensor voltage 1, V", "-0.03"},
        {"Control module voltage, V", "14.3"},
    };
    EXPECT_EQ(rows, expected);

    // Status values outside the list, and Russian texts.
    bytes::setU16le(s, frame + 4, 0x0300);
    bytes::setS16le(s, frame + 34, 3);
    LanguageScope ru(false);
    const auto ruRows = FreezeFrameRows(ReadFaultRecord(m, 0), ReadFreezeFramePids(m));
    EXPECT_EQ(ruRows[0].label, "Код ошибки");
    EXPECT_EQ(ruRows[1].value, "Неизвестно");
    EXPECT_EQ(ruRows[2].value, "Неизвестно");
    EXPECT_EQ(ruRows[7], (LabelValue{"Состояние вторичного воздуха", "Неизвестно"}));
}

TEST(FreezeFrame, NoTroubleCodeNoRows) {
    TMK m;
    PutFault(m, 1, 60, 1, 1, 0x0171, 0);
    SetPidPresent(m, 0x0C);
    EXPECT_TRUE(FreezeFrameRows(ReadFaultRecord(m, 1), ReadFreezeFramePids(m)).empty());
    // A frame whose map is empty still shows its code.
    PutFault(m, 1, 60, 1, 1, 0x0171, 0xC001);
    EXPECT_EQ(FreezeFrameRows(ReadFaultRecord(m, 1), QByteArray(12, '\0')).size(), 1u);
    EXPECT_FALSE(PidPresent(QByteArray(12, '\xFF'), 97));
    EXPECT_TRUE(PidPresent(QByteArray(12, '\xFF'), 96));
}

TEST(FaultJournal, ClearingKeepsTimesAndFrameValues) {
    TMK m;
    for (int slot = 0; slot < FaultSlotCount; ++slot)
        PutFault(m, slot, 600 + slot, 2, 3, 0x100 + slot, 0x200 + slot);
    SetPidPresent(m, 0x0C);
    bytes::setS16le(m.Section(11), FaultSlotAt(6) + 8 + 24, 900);
    const QByteArray before = m.Section(11);

    ClearFaultJournal(m);
    EXPECT_EQ(ReadFreezeFramePids(m), QByteArray(12, '\0'));
    QByteArray expected = before;
    for (int i = 4; i < 16; ++i)
        expected[i] = 0;
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        EXPECT_TRUE(ReadFaultRecord(m, slot).isEmpty());
        EXPECT_EQ(ReadFaultRecord(m, slot).freezeDtc(), 0u);
        bytes::setU32le(expected, FaultSlotAt(slot) + 4, 0);
        bytes::setU32le(expected, FaultSlotAt(slot) + 8, 0);
    }
    EXPECT_EQ(m.Section(11), expected);
}
