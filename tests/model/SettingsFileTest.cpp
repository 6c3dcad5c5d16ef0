#include "SettingsFile.h"
#include "Errors.h"
#include "ImageBuilder.h"
#include "Pars32H.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

TEST(SettingsFile, RoundTripIsByteIdenticalAndExactlyImagePlusTwo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.veltg");
    TMK m;
    m.DeviceVersion = 0x4610;
    m.SettingsImage = imageWithTable(standardTable());
    SaveSettingsFile(m, path);
    const QByteArray file = readAll(path);
    ASSERT_EQ(file.size(), 8128 + 2);
    EXPECT_EQ(std::uint8_t(file[0]), 0x10);
    EXPECT_EQ(std::uint8_t(file[1]), 0x46);
    EXPECT_NE(file.mid(2), m.SettingsImage) << "the image part is scrambled";

    TMK back;
    LoadSettingsFile(back, path);
    EXPECT_EQ(back.DeviceVersion, 0x4610);
    EXPECT_EQ(back.SettingsImage, m.SettingsImage);
    EXPECT_EQ(back.SettingsVersion(), 3);
    EXPECT_EQ(back.Section(6), m.SettingsImage.mid(*ImageOffset(standardTable()[5].address), 84));

    SaveSettingsFile(back, dir.filePath("b.veltg"));
    EXPECT_EQ(readAll(dir.filePath("b.veltg")), file);
}

TEST(SettingsFile, ScramblingRepeatsEvery4096Bytes) {
    // A length that is no multiple of the eight bytes scrambled at a time.
    const QByteArray zeros(3 * FileKeySize + 5, '\0');
    const QByteArray s = ScrambleImage(zeros);
    EXPECT_EQ(s.mid(0, FileKeySize), s.mid(FileKeySize, FileKeySize));
    EXPECT_EQ(s.mid(0, FileKeySize), s.mid(2 * FileKeySize, FileKeySize));
    EXPECT_EQ(s.mid(3 * FileKeySize), s.left(5));
    EXPECT_EQ(s.count('\0'), 0) << "no byte is stored in the clear";
    EXPECT_EQ(ScrambleImage(s), zeros);
}

// A file holds a device memory or nothing: an empty image is neither saved nor loaded.
TEST(SettingsFile, EmptyImageIsNeitherSavedNorLoaded) {
    QTemporaryDir dir;
    TMK m;
    EXPECT_THROW(SaveSettingsFile(m, dir.filePath("e.veltg")), TError);
    EXPECT_FALSE(QFile::exists(dir.filePath("e.veltg")));
    writeAll(dir.filePath("e.veltg"), QByteArray("\x00\x40", 2));
    TMK other;
    other.SettingsImage = imageWithTable(standardTable());
    EXPECT_THROW(LoadSettingsFile(other, dir.filePath("e.veltg")), TError);
    EXPECT_EQ(other.SettingsImage, imageWithTable(standardTable()));
}

TEST(SettingsFile, BadFilesAreRefusedAndLeaveTheModelUntouched) {
    QTemporaryDir dir;
    TMK m;
    m.DeviceVersion = 0x4700;
    m.SettingsImage = imageWithTable(standardTable());
    m.ReadSections(1, 11);
    const QByteArray image = m.SettingsImage, s6 = m.Section(6);

    struct Case {
        const char* name;
        QByteArray data;
    };
    QByteArray random(5000, '\0');
    std::uint32_t x = 12345;
    for (char& c : random)
        c = char((x = x * 1103515245u + 12345u) >> 24);
    auto table = [](int count, int s1Address, int s1Length) {
        QByteArray image = imageWithTable(standardTable());
        image[0] = char(count);
        bytes::setU16le(image, 4, std::uint16_t(s1Address));
        bytes::setU16le(image, 6, std::uint16_t(s1Length));
        return EncodeSettingsFile(0x4000, image);
    };
    const Case cases[] = {{"empty", {}},
                          {"one byte", QByteArray(1, '\x40')},
                          {"oversized", QByteArray(2 + 8192 + 1, '\x01')},
                          {"random bytes", random},
                          {"no header", EncodeSettingsFile(0x4000, QByteArray(59, '\x0B'))},
                          {"no sections", table(0, 92, 168)},
                          {"15 sections", table(15, 92, 168)},
                          {"below the image", table(11, 31, 168)},
                          {"no trailer", table(11, 92, 3)},
                          {"past the end", table(11, 8192 - 163, 168)},
                          {"across the halves", table(11, 4096 - 163, 168)}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        writeAll(path, c.data);
        try {
            LoadSettingsFile(m, path);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.message().contains(path)) << qPrintable(e.message());
            EXPECT_GT(e.message().size(), path.size() + 20) << "says what is wrong";
        }
        EXPECT_EQ(m.DeviceVersion, 0x4700);
        EXPECT_EQ(m.SettingsImage, image);
        EXPECT_EQ(m.Section(6), s6);
    }
    EXPECT_THROW(LoadSettingsFile(m, dir.filePath("missing.veltg")), TError);
    EXPECT_EQ(m.SettingsImage, image);

    // A full 8192-byte image is the largest accepted; a section may end on the image's
    // last byte, and with fewer than eleven sections only those are checked.
    writeAll(dir.filePath("max"),
             EncodeSettingsFile(0x4000, imageWithTable(standardTable(), 8192)));
    EXPECT_NO_THROW(LoadSettingsFile(m, dir.filePath("max")));
    EXPECT_EQ(m.SettingsImage.size(), 8192);
    writeAll(dir.filePath("edge"), table(11, 8192 - 164, 168));
    EXPECT_NO_THROW(LoadSettingsFile(m, dir.filePath("edge")));
    QByteArray one = imageWithTable(standardTable());
    one[0] = 1;
    bytes::setU16le(one, 8, 0xFFFF); // section 2 is not the device's
    writeAll(dir.filePath("one"), EncodeSettingsFile(0x4000, one));
    EXPECT_NO_THROW(LoadSettingsFile(m, dir.filePath("one")));
}

TEST(SettingsFile, ShorterFileReplacesALongerImageWhole) {
    QTemporaryDir dir;
    TMK small;
    small.SettingsImage = imageWithTable(standardTable(), 3000);
    SaveSettingsFile(small, dir.filePath("s.veltg"));
    TMK m;
    m.SettingsImage = imageWithTable(standardTable(), 8128, 3, 0x55);
    LoadSettingsFile(m, dir.filePath("s.veltg"));
    EXPECT_EQ(m.SettingsImage, small.SettingsImage);
}

TEST(SettingsFile, FailedSaveRaisesAndLeavesNoFile) {
    QTemporaryDir dir;
    TMK m;
    m.SettingsImage = imageWithTable(standardTable());
    const QString path = dir.filePath("no-such-folder/x.veltg");
    EXPECT_THROW(SaveSettingsFile(m, path), TError);
    EXPECT_FALSE(QFile::exists(path));

    // An image that loading would refuse is not saved over a good file.
    const QString good = dir.filePath("good.veltg");
    SaveSettingsFile(m, good);
    const QByteArray goodBytes = readAll(good);
    m.SettingsImage = imageWithTable(standardTable(), 8193);
    EXPECT_THROW(SaveSettingsFile(m, good), TError);
    m.SettingsImage = imageWithTable(standardTable(), 2000); // sections past its end
    EXPECT_THROW(SaveSettingsFile(m, good), TError);
    EXPECT_EQ(readAll(good), goodBytes);
}

// The file format is pinned by a file written once (tests/data/golden.veltg: version 0x4610
// and the standard test image): a change of the key table or of how it is applied would make
// every file users keep unreadable, and a round trip alone would not notice.
TEST(SettingsFile, GoldenFileIsReadAndWrittenByteForByte) {
    const QByteArray golden = readAll(QStringLiteral(TRIP_TEST_DATA "/golden.veltg"));
    ASSERT_EQ(golden.size(), 8128 + 2);
    // The version word in the clear, then image bytes 0, 1, 4093..4096 as stored: the key
    // restarts at image byte 4096 (file offset 4098).
    const std::pair<int, std::uint8_t> pinned[] = {{0, 0x10},    {1, 0x46},    {2, 0xAC},
                                                   {3, 0xE8},    {4095, 0xAF}, {4096, 0xA4},
                                                   {4097, 0x68}, {4098, 0xB6}};
    for (const auto& [offset, byte] : pinned)
        EXPECT_EQ(std::uint8_t(golden[offset]), byte) << "file offset " << offset;

    const QByteArray image = imageWithTable(standardTable());
    EXPECT_EQ(EncodeSettingsFile(0x4610, image), golden);
    TMK m;
    LoadSettingsFile(m, QStringLiteral(TRIP_TEST_DATA "/golden.veltg"));
    EXPECT_EQ(m.DeviceVersion, 0x4610);
    EXPECT_EQ(m.SettingsImage, image);
}
