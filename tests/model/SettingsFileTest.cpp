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
    const QByteArray zeros(3 * FileKeySize, '\0');
    const QByteArray s = ScrambleImage(zeros);
    EXPECT_EQ(s.mid(0, FileKeySize), s.mid(FileKeySize, FileKeySize));
    EXPECT_EQ(s.mid(0, FileKeySize), s.mid(2 * FileKeySize, FileKeySize));
    EXPECT_EQ(s.count('\0'), 0) << "no byte is stored in the clear";
    EXPECT_EQ(ScrambleImage(s), zeros);
}

TEST(SettingsFile, EmptyImageGivesATwoByteFile) {
    QTemporaryDir dir;
    TMK m;
    SaveSettingsFile(m, dir.filePath("e.veltg"));
    EXPECT_EQ(readAll(dir.filePath("e.veltg")), QByteArray("\x00\x40", 2));
    TMK other;
    other.SettingsImage = imageWithTable(standardTable());
    LoadSettingsFile(other, dir.filePath("e.veltg"));
    EXPECT_TRUE(other.SettingsImage.isEmpty()) << "the image is exactly the file's image";
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
    const Case cases[] = {{"empty", {}},
                          {"one byte", QByteArray(1, '\x40')},
                          {"oversized", QByteArray(2 + 8192 + 1, '\x01')}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        writeAll(path, c.data);
        try {
            LoadSettingsFile(m, path);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.message().contains(path)) << qPrintable(e.message());
        }
        EXPECT_EQ(m.DeviceVersion, 0x4700);
        EXPECT_EQ(m.SettingsImage, image);
        EXPECT_EQ(m.Section(6), s6);
    }
    EXPECT_THROW(LoadSettingsFile(m, dir.filePath("missing.veltg")), TError);
    EXPECT_EQ(m.SettingsImage, image);

    // A full 8192-byte image is the largest accepted.
    writeAll(dir.filePath("max"), QByteArray(2 + 8192, '\0'));
    EXPECT_NO_THROW(LoadSettingsFile(m, dir.filePath("max")));
    EXPECT_EQ(m.SettingsImage.size(), 8192);
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
    const QString path = dir.filePath("no-such-folder/x.veltg");
    EXPECT_THROW(SaveSettingsFile(m, path), TError);
    EXPECT_FALSE(QFile::exists(path));

    // An image that loading would refuse is not saved over a good file.
    const QString good = dir.filePath("good.veltg");
    SaveSettingsFile(m, good);
    const QByteArray goodBytes = readAll(good);
    m.SettingsImage = QByteArray(8193, '\x01');
    EXPECT_THROW(SaveSettingsFile(m, good), TError);
    EXPECT_EQ(readAll(good), goodBytes);
}
