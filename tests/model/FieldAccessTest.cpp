// Typed access to section records: little-endian, bounds and range checked, a refused
// value leaves every byte as it was; texts in Windows-1251.

#include "FieldAccess.h"
#include "DeviceText.h"
#include "Errors.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QByteArray Patterned(int section) {
    QByteArray r(SectionRecordSize(section), '\0');
    for (qsizetype i = 0; i < r.size(); ++i)
        r[i] = char(0x5A + i);
    return r;
}

struct IntRange {
    const char* field;
    std::int64_t min, max;
};

const IntRange kRanges[] = {
    {"OilCalibrQuant", 0, 255},                    // u8
    {"TankLimit", -128, 127},                      // s8
    {"TOFlags", 0, 65535},                         // u16
    {"Oil6L", -32768, 32767},                      // s16
    {"TO", 0, 4294967295LL},                       // u32
    {"AllPathStart", -2147483648LL, 2147483647LL}, // s32
    {"ColorMeth", 0, 15},                          // 4-bit field
    {"AlarmSound_F", 0, 7},                        // 3-bit field per element
    {"UseTank2", 0, 1},                            // 1-bit field of a u32
};

TEST(FieldAccess, ValuesOnePastTheRangeAreRefusedUntouched) {
    for (const IntRange& r : kRanges) {
        SCOPED_TRACE(r.field);
        const FieldDef& f = FieldByName(r.field);
        QByteArray rec = Patterned(f.section);
        const QByteArray before = rec;
        EXPECT_THROW(WriteFieldInt(rec, f, 0, r.max + 1), ERangeError);
        EXPECT_THROW(WriteFieldInt(rec, f, 0, r.min - 1), ERangeError);
        EXPECT_THROW(WriteFieldNumber(rec, f, 0, double(r.max + 1)), ERangeError);
        EXPECT_EQ(rec, before);
        WriteFieldInt(rec, f, 0, r.max);
        EXPECT_EQ(ReadFieldInt(rec, f, 0), r.max);
        WriteFieldInt(rec, f, 0, r.min);
        EXPECT_EQ(ReadFieldInt(rec, f, 0), r.min);
    }
}

TEST(FieldAccess, IntegersAreLittleEndianAndSigned) {
    QByteArray s3(SectionRecordSize(3), '\0');
    WriteFieldInt(s3, FieldByName("Lit6L"), 0, -2);
    EXPECT_EQ(s3.mid(2, 2), QByteArray("\xFE\xFF", 2));
    WriteFieldInt(s3, FieldByName("OilCalibrLitArr"), 6, 0x1234);
    EXPECT_EQ(s3.mid(22 + 12, 2), QByteArray("\x34\x12", 2));

    QByteArray s5(SectionRecordSize(5), '\0');
    WriteFieldInt(s5, FieldByName("OSAGO"), 0, 0x01020304);
    EXPECT_EQ(s5.mid(12, 4), QByteArray("\x04\x03\x02\x01", 4));
    s5[116] = char(0xFF);
    s5[0] = char(0xFF);
    EXPECT_EQ(ReadFieldInt(s5, FieldByName("AccelCalibration")), 255); // u8
    EXPECT_EQ(ReadFieldInt(s5, FieldByName("AirFiltCntK")), -1);       // s8
}

TEST(FieldAccess, U64TravelsAsItsBitPattern) {
    const FieldDef& f = FieldByName("ShowDisp_1");
    QByteArray s9(SectionRecordSize(9), '\0');
    WriteFieldInt(s9, f, 0, -1);
    EXPECT_EQ(s9.mid(264, 8), QByteArray(8, char(0xFF)));
    EXPECT_EQ(ReadFieldNumber(s9, f), 18446744073709551615.0);
    WriteFieldNumber(s9, f, 0, 4294967295.0);
    EXPECT_EQ(s9.mid(264, 8), QByteArray("\xFF\xFF\xFF\xFF\0\0\0\0", 8));
    EXPECT_THROW(WriteFieldNumber(s9, f, 0, -1.0), ERangeError);
}

TEST(FieldAccess, BitFieldsChangeOnlyTheirBits) {
    QByteArray s9(SectionRecordSize(9), '\0');
    WriteFieldInt(s9, FieldByName("IntenseMeth"), 0, 2);
    WriteFieldInt(s9, FieldByName("ColorMeth"), 0, 1);
    EXPECT_EQ(quint8(s9[259]), 0x12);
    WriteFieldInt(s9, FieldByName("IntenseMeth"), 0, 0);
    EXPECT_EQ(quint8(s9[259]), 0x10);
    EXPECT_EQ(ReadFieldInt(s9, FieldByName("ColorMeth")), 1);

    // Warning 22's sounds leave warning 21 alone, and the reverse.
    QByteArray s8 = Patterned(8);
    const QByteArray before = s8;
    WriteFieldInt(s8, FieldByName("AlarmSound_N"), 22, 5);
    WriteFieldInt(s8, FieldByName("AlarmSound_F"), 22, 3);
    EXPECT_EQ(s8.left(22), before.left(22));
    EXPECT_EQ(s8.mid(23), before.mid(23));
    EXPECT_EQ(quint8(s8[22]), (quint8(before[22]) & 0xC0) | (5 << 3) | 3);
    EXPECT_EQ(ReadFieldInt(s8, FieldByName("AlarmSound"), 22), quint8(s8[22]));

    QByteArray s6(SectionRecordSize(6), '\0');
    WriteFieldInt(s6, FieldByName("GasCalcExp"), 0, 1);
    WriteFieldInt(s6, FieldByName("LockType"), 0, 1);
    EXPECT_EQ(ReadFieldInt(s6, FieldByName("MethFlags")), (1 << 18) | 1);
    WriteFieldInt(s6, FieldByName("GasCalcExp"), 0, 0);
    EXPECT_EQ(ReadFieldInt(s6, FieldByName("MethFlags")), 1);
}

TEST(FieldAccess, IndexAndRecordBoundsAreChecked) {
    const FieldDef& sense = FieldByName("ParkSense");
    QByteArray s2 = Patterned(2);
    const QByteArray before = s2;
    EXPECT_THROW(WriteFieldInt(s2, sense, 2, 1), ERangeError);
    EXPECT_THROW(WriteFieldInt(s2, sense, -1, 1), ERangeError);
    EXPECT_THROW(ReadFieldInt(s2, sense, 2), ERangeError);
    // Element 31 of a section-8 field lies past the end of this 28-byte record.
    EXPECT_THROW(WriteFieldInt(s2, FieldByName("AlarmSound_F"), 31, 1), ERangeError);
    EXPECT_EQ(s2, before);

    QByteArray shortRec(10, '\0');
    EXPECT_THROW(ReadFieldInt(shortRec, FieldByName("GazContFull")), ERangeError);
    EXPECT_THROW(WriteFieldInt(shortRec, FieldByName("GazContFull"), 0, 1), ERangeError);
    EXPECT_THROW(WriteFieldText(shortRec, FieldByName("CandleName"), "x"), ERangeError);
    EXPECT_THROW(ReadFieldBytes(shortRec, FieldByName("TripJournal")), ERangeError);
    EXPECT_EQ(shortRec, QByteArray(10, '\0'));
}

TEST(FieldAccess, NumbersRoundHalfToEvenAndFloatsAreSingle) {
    const FieldDef& lim = FieldByName("VelocityLimit");
    QByteArray s6(SectionRecordSize(6), '\0');
    WriteFieldNumber(s6, lim, 0, 45.5);
    EXPECT_EQ(ReadFieldInt(s6, lim), 46);
    WriteFieldNumber(s6, lim, 0, 44.5);
    EXPECT_EQ(ReadFieldInt(s6, lim), 44);
    WriteFieldNumber(s6, lim, 0, -0.4);
    EXPECT_EQ(ReadFieldInt(s6, lim), 0);
    EXPECT_THROW(WriteFieldNumber(s6, lim, 0, 127.5), ERangeError); // rounds to 128
    EXPECT_THROW(WriteFieldNumber(s6, lim, 0, std::nan("")), ERangeError);

    const FieldDef& corr = FieldByName("VelocityCorr");
    WriteFieldNumber(s6, corr, 0, 1.05);
    EXPECT_FLOAT_EQ(float(ReadFieldNumber(s6, corr)), 1.05f);
    WriteFieldNumber(s6, corr, 0, 1.0);
    EXPECT_EQ(s6.mid(60, 4), QByteArray("\0\0\x80\x3F", 4));
    EXPECT_THROW(WriteFieldNumber(s6, corr, 0, 1e39), ERangeError);
    EXPECT_THROW(ReadFieldInt(s6, corr), TError);
    EXPECT_THROW(ReadFieldText(s6, corr), TError);
}

TEST(FieldAccess, TextKeepsBytesAfterItsZeroAndRefusesTooLong) {
    const FieldDef& name = FieldByName("GRMStrapName"); // 16 bytes at 68
    QByteArray s5(SectionRecordSize(5), char(0xAA));
    const QByteArray before = s5;

    WriteFieldText(s5, name, "ABCDEFGHIJKLMNO"); // 15 characters
    EXPECT_EQ(s5.mid(68, 16), QByteArray("ABCDEFGHIJKLMNO\0", 16));
    EXPECT_EQ(ReadFieldText(s5, name), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(s5.left(68), before.left(68));
    EXPECT_EQ(s5.mid(84), before.mid(84));

    const QByteArray full = s5;
    EXPECT_THROW(WriteFieldText(s5, name, "ABCDEFGHIJKLMNOP"), ERangeError);
    EXPECT_EQ(s5, full);

    WriteFieldText(s5, name, "xy");
    EXPECT_EQ(s5.mid(68, 16), QByteArray("xy\0DEFGHIJKLMNO\0", 16));
    EXPECT_EQ(ReadFieldText(s5, name), "xy");

    // Without a zero the whole field is the text.
    s5.replace(68, 16, QByteArray(16, 'z'));
    EXPECT_EQ(ReadFieldText(s5, name), QString(16, 'z'));
}

TEST(FieldAccess, TextIsWindows1251) {
    const FieldDef& name = FieldByName("CandleName");
    QByteArray s5(SectionRecordSize(5), '\0');
    const QString ru = QString::fromUtf8("Замена свечей");
    WriteFieldText(s5, name, ru);
    EXPECT_EQ(s5.mid(84, 3), QByteArray("\xC7\xE0\xEC", 3)); // З а м
    EXPECT_EQ(ReadFieldText(s5, name), ru);
    WriteFieldText(s5, name, QString::fromUtf8("Ёё№ ☺"));
    EXPECT_EQ(s5.mid(84, 6), QByteArray("\xA8\xB8\xB9 ?\0", 6));
    // 15 Cyrillic letters fit: one byte each.
    WriteFieldText(s5, name, QString(15, QChar(0x0416)));
    EXPECT_EQ(ReadFieldText(s5, name), QString(15, QChar(0x0416)));
}

TEST(FieldAccess, BuiltInCodePageTableAgreesWithTheSystemConverter) {
    QStringDecoder dec("windows-1251");
    QStringEncoder enc("windows-1251");
    if (!dec.isValid() || !enc.isValid())
        GTEST_SKIP() << "no system Windows-1251 converter to compare with";
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString viaSystem = dec.decode(all);
    EXPECT_EQ(DecodeCp1251ByTable(all), viaSystem);
    EXPECT_EQ(EncodeCp1251ByTable(viaSystem), all);
    EXPECT_EQ(EncodeDeviceText(viaSystem), all);
    EXPECT_EQ(EncodeCp1251ByTable(QString::fromUtf8("a☺b")), QByteArray("a?b"));
}

TEST(FieldAccess, BytesAreTheWholeField) {
    QByteArray s7 = Patterned(7);
    EXPECT_EQ(ReadFieldBytes(s7, FieldByName("TankJournal")), s7.mid(436, 420));
    EXPECT_EQ(ReadFieldBytes(s7, FieldByName("PriceGas")), s7.mid(6, 2));
}

} // namespace
