#pragma once

// Puts journal records into a model the way the trip computer stores them, so that the
// tests check the readers against the byte layout rather than against themselves.

#include "ByteAccess.h"
#include "FieldTable.h"
#include "JournalRecords.h"
#include "Language.h"
#include "Pars32H.h"

#include <QLocale>

inline void PutDriveRecord(TMK& m, const char* journal, int index,
                           const journals::JournalRecord& r) {
    QByteArray& s = m.Section(7);
    const int o = FieldByName(journal).offset + index * 20;
    bytes::setU16le(s, o, r.timeOfDay);
    bytes::setU8(s, o + 2, r.day);
    bytes::setU8(s, o + 3, r.month);
    bytes::setU32le(s, o + 4, r.travelTime);
    bytes::setU32le(s, o + 8, r.distance);
    bytes::setU32le(s, o + 12, r.petrol);
    bytes::setU32le(s, o + 16, r.gas);
}

// Offset of a fault slot in section 11.
inline int FaultSlotAt(int slot) {
    return 16 + slot * 92;
}

inline void PutFault(TMK& m, int slot, std::uint16_t timeOfDay, int day, int month,
                     std::uint32_t code, std::uint32_t freezeDtc) {
    QByteArray& s = m.Section(11);
    const int o = FaultSlotAt(slot);
    bytes::setU16le(s, o, timeOfDay);
    bytes::setU8(s, o + 2, std::uint8_t(day));
    bytes::setU8(s, o + 3, std::uint8_t(month));
    bytes::setU32le(s, o + 4, code);
    bytes::setU32le(s, o + 8, freezeDtc);
}

inline void SetPidPresent(TMK& m, int pid) {
    QByteArray& s = m.Section(11);
    const int o = 4 + (pid - 1) / 8;
    bytes::setU8(s, o, std::uint8_t(bytes::u8(s, o) | (0x80 >> ((pid - 1) % 8))));
}

// Language and locale of one test, put back afterwards.
class LanguageScope {
public:
    explicit LanguageScope(bool english, QLocale locale = QLocale::c())
        : savedEnglish_(EnglishVersion), savedLocale_(QLocale()) {
        EnglishVersion = english;
        QLocale::setDefault(locale);
    }
    ~LanguageScope() {
        EnglishVersion = savedEnglish_;
        QLocale::setDefault(savedLocale_);
    }

private:
    bool savedEnglish_;
    QLocale savedLocale_;
};
