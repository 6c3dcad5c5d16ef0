// Fault journal of section 11: seven slots of 92 bytes and the texts of their codes.

#include "JournalRecords.h"

#include "ByteAccess.h"
#include "FieldTable.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "ShortText.h"
#include "ValueConversions.h"

#include <cstring>

namespace journals {

namespace {

// Inside a FaultRecord.
constexpr int FaultTimeOfDay = 0;
constexpr int FaultDay = 2;
constexpr int FaultMonth = 3;
constexpr int FaultCode = 4;
constexpr int FaultFrame = 8;
constexpr int FrameDtc = 0; // inside the freeze frame

// Looked up once: every slot of the journal is read through these.
const FieldDef& JournalField() {
    static const FieldDef& f = FieldByName("FaultJournal");
    return f;
}
const FieldDef& PidsField() {
    static const FieldDef& f = FieldByName("FreezeFramePids");
    return f;
}

qsizetype SlotOffset(int slot) {
    if (slot < 0 || slot >= FaultSlotCount) throw ERangeError();
    return qsizetype(JournalField().offset) + slot * FaultRecordSize;
}

// The SAE J2012 form: system letter from bits 15-14, then 14 bits as four hex digits.
QString SaeText(std::uint32_t c) {
    static const char letters[4] = {'P', 'C', 'B', 'U'};
    return TShortText().add(letters[(c >> 14) & 3]).hex(c & 0x3FFF, 4).text();
}

// Suffix letters of format 3, as the ECU's own service documents write them.
QString Format3Text(std::uint32_t c) {
    const TShortText number = TShortText().number(c);
    const char16_t suffix = c & 0x8000 ? u'п' : c & 0x4000 ? u'н' : c & 0x2000 ? u'м' : 0;
    QString text;
    text.reserve(number.view().size() + 1);
    text += number.view();
    if (suffix) text += QChar(suffix);
    return text;
}

// SAE J1939: SPN of 19 bits (the top three stored in bits 21..23), FMI, occurrence count.
QString J1939Text(std::uint32_t c) {
    const std::uint32_t spn = (c & 0xFFFF) + ((c >> 5) & 0x70000);
    const std::uint32_t fmi = (c >> 16) & 0x1F;
    const std::uint32_t q = c >> 24;
    TShortText text;
    text.add("SPN = ").number(spn).add("  FMI = ").number(fmi).add("  Q = ");
    if (q < 0x7F)
        text.number(q);
    else
        text.add("----");
    return text.text();
}

} // namespace

QString FaultCodeText(const FaultCodeStyle& style, std::uint32_t c) {
    int f = style.format;
    if (f == 7) {
        f = style.protTypeAdd2 == 1 ? 0 : 1;
    } else if (f == 8) {
        if (c < 0x4000) {
            f = style.protTypeMain == 1 ? 2 : 6;
        } else {
            // Codes from 0x4000 carry a decimal number whose last three digits are shown as
            // if they were the hex digits of an SAE code.
            if (c <= 0x4FFF) {
                const std::uint32_t n = c % 0x400;
                c = (n % 10) + ((n / 10) % 10) * 16 + ((n / 100) % 10) * 256;
            } else {
                c = 0;
            }
            f = 0;
        }
    } else if (f == 9) {
        f = style.protTypeAdd2 == 0 ? 2 : 0;
    }

    switch (f) {
    case 0:
        return SaeText(c);
    case 1:
        return TShortText().hex(c & 0x3FFF, 4).text();
    case 2:
        return QString::number(c);
    case 3:
        return Format3Text(c);
    case 4:
        return TShortText().hex(c, 4).add(c < 0x100 || c >= 0x1000 ? "Sub" : "").text();
    case 5:
        return J1939Text(c);
    case 10:
        return TShortText().number((c >> 8) & 0xFF).add('-').number(c % 7).text();
    default: // 6..9 and protocols without fault codes
        return {};
    }
}

FaultCodeStyle FaultCodeStyleOf(const TMK& model, int format) {
    static const FieldDef& main = FieldByName("ProtTypeMain");
    static const FieldDef& add2 = FieldByName("ProtTypeAdd2");
    return {format, std::uint8_t(model.Get(main)), std::uint8_t(model.Get(add2))};
}

FaultCodeStyle CurrentFaultCodeStyle(const TMK& model) {
    // The model's own catalogue is rebuilt only when the editor opens, so after a device
    // read or a file load it may describe the previous device: the format comes from the
    // master list for the device and choice of this moment. Building a whole catalogue
    // for one number cost more than every journal text together. An unknown type reads as
    // the default model, as in the editor.
    static const FieldDef& protocol = FieldByName("Protocol");
    return FaultCodeStyleOf(model, EntryFaultCodeFormat(CatalogueDeviceType(model.DeviceVersion),
                                                        int(model.Get(protocol))));
}

std::uint32_t FaultRecord::freezeDtc() const {
    return bytes::u32le(freezeFrame, FrameDtc);
}

FaultRecord ReadFaultRecord(const TMK& model, int slot) {
    return ReadFaultRecord(model.Section(11), slot);
}

FaultRecord ReadFaultRecord(const QByteArray& s, int slot) {
    const qsizetype o = SlotOffset(slot);
    bytes::checkRange(s.size(), o, FaultRecordSize);
    FaultRecord r;
    r.timeOfDay = bytes::u16le(s, o + FaultTimeOfDay);
    r.day = bytes::u8(s, o + FaultDay);
    r.month = bytes::u8(s, o + FaultMonth);
    r.code = bytes::u32le(s, o + FaultCode);
    // Into the frame the record already holds, instead of a second array from mid().
    std::memcpy(r.freezeFrame.data(), s.constData() + o + FaultFrame, FreezeFrameSize);
    return r;
}

QByteArray ReadFreezeFramePids(const TMK& model) {
    const FieldDef& f = PidsField();
    const QByteArray& s = model.Section(11);
    bytes::checkRange(s.size(), f.offset, FreezeFramePidBytes);
    return s.mid(f.offset, FreezeFramePidBytes);
}

bool PidPresent(const QByteArray& pidMap, int pid) {
    if (pid < 1 || pid > FreezeFramePidBytes * 8 || (pid - 1) / 8 >= pidMap.size()) return false;
    return (std::uint8_t(pidMap[(pid - 1) / 8]) & (0x80 >> ((pid - 1) % 8))) != 0;
}

FaultRowTexts FaultRecordTexts(const FaultRecord& r, const FaultCodeStyle& style) {
    if (r.isEmpty()) return {};
    // Hours unwrapped: the device writes what it counted.
    const QString time = TShortText()
                             .number(r.timeOfDay / 60)
                             .add(':')
                             .number(r.timeOfDay % 60, 2)
                             .add(' ')
                             .number(r.day)
                             .add('.')
                             .number(r.month, 2)
                             .text();
    return {time, FaultCodeText(style, r.code)};
}

void ClearFaultJournal(TMK& model) {
    ClearFaultJournal(model.Section(11));
    model.ClearedRecords.Add(TRecordPart::FaultJournal);
}

void ClearFaultJournal(QByteArray& s) {
    const FieldDef& pids = PidsField();
    for (int i = 0; i < FreezeFramePidBytes; ++i)
        bytes::setU8(s, pids.offset + i, 0);
    for (int slot = 0; slot < FaultSlotCount; ++slot) {
        bytes::setU32le(s, SlotOffset(slot) + FaultCode, 0);
        bytes::setU32le(s, SlotOffset(slot) + FaultFrame + FrameDtc, 0);
    }
}

} // namespace journals
