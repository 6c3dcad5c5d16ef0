#include "GuiTestSupport.h"
#include "MIniFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeRaw(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace

TEST(IniFile, CreatesTheFileAndReadsIntegersAndBooleansWithDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tripconf.ini");
    {
        TMIniFile ini(path);
        EXPECT_TRUE(QFile::exists(path)) << "created on opening";
        EXPECT_EQ(ini.ReadInteger("RS232", "Port", 7), 7);
        EXPECT_FALSE(ini.ReadBool("Common", "EnglishVersion", false));
        ini.WriteInteger("RS232", "Port", 3);
        ini.WriteBool("Common", "EnglishVersion", true);
        ASSERT_TRUE(ini.Flush());
    }
    const QString text = readAll(path);
    EXPECT_TRUE(text.contains("[RS232]\nPort=3")) << qPrintable(text);
    EXPECT_TRUE(text.contains("[Common]\nEnglishVersion=1")) << qPrintable(text);

    // Files written by hand: any non-zero integer is true; what is not a number is ignored.
    const QString hand = dir.filePath("hand.ini");
    writeRaw(hand, "[Common]\nA=2\nB=0\nC=-1\nD=yes\nE= 1 \n[RS232]\nPort=x\n");
    TMIniFile ini(hand);
    EXPECT_TRUE(ini.ReadBool("Common", "A", false));
    EXPECT_FALSE(ini.ReadBool("Common", "B", true));
    EXPECT_TRUE(ini.ReadBool("Common", "C", false));
    EXPECT_FALSE(ini.ReadBool("Common", "D", false));
    EXPECT_TRUE(ini.ReadBool("Common", "D", true));
    EXPECT_TRUE(ini.ReadBool("Common", "E", false));
    EXPECT_EQ(ini.ReadInteger("RS232", "Port", 5), 5);
}

TEST(IniFile, LivesBesideTheProgramWhenThatFolderCanBeWritten) {
    QTemporaryDir dir;
    EXPECT_EQ(TMIniFile::PathFor(dir.filePath("tripconf"), "/fallback"),
              dir.filePath("tripconf.ini"));
    EXPECT_EQ(TMIniFile::PathFor(dir.filePath("cfg.exe"), "/fallback"), dir.filePath("cfg.ini"));
    EXPECT_EQ(TMIniFile::PathFor("/no/such/folder/tripconf", dir.path()),
              dir.filePath("tripconf.ini"));
}

TEST(WindowPlacement, RoundTripsAndRepairsPlacesNoScreenShows) {
    TestApp();
    QTemporaryDir dir;
    const QString path = dir.filePath("p.ini");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    QWidget w;
    w.setMinimumSize(200, 150);
    w.move(40, 30);
    w.resize(300, 220);
    {
        TMIniFile ini(path);
        SaveWindowPlacement(ini, "MainWindow", w);
        ini.Flush();
    }
    {
        QWidget back;
        back.setMinimumSize(200, 150);
        LoadWindowPlacement(TMIniFile(path), "MainWindow", back);
        EXPECT_EQ(back.pos(), QPoint(40, 30));
        EXPECT_EQ(back.size(), QSize(300, 220));
        EXPECT_FALSE(back.isMaximized());
    }

    int files = 0;
    auto loadFrom = [&](const QByteArray& entries) {
        // A new file each time: settings files are cached by name within a process.
        const QString hand = dir.filePath(QStringLiteral("hand%1.ini").arg(++files));
        writeRaw(hand, "[MainWindow]\n" + entries);
        auto back = std::make_unique<QWidget>();
        back->setMinimumSize(200, 150);
        LoadWindowPlacement(TMIniFile(hand), "MainWindow", *back);
        return back;
    };
    // Negative positions become 0; negative sizes become 100, held up by the minimum size.
    auto neg = loadFrom("State=0\nLeft=-20\nTop=-5\nWidth=-1\nHeight=400\n");
    EXPECT_EQ(neg->pos(), QPoint(0, 0));
    EXPECT_EQ(neg->size(), QSize(200, 400));
    auto noMinimum = loadFrom("Left=10\nTop=10\nWidth=-3\nHeight=-3\n");
    // (the widget's own minimum is 200 x 150)
    EXPECT_EQ(noMinimum->size(), QSize(200, 150));

    // A placement from a bigger or second monitor that is gone now comes back on screen.
    for (const QByteArray& far : {QByteArray("Left=5000\nTop=40\nWidth=300\nHeight=200\n"),
                                  QByteArray("Left=40\nTop=9000\nWidth=300\nHeight=200\n")}) {
        auto off = loadFrom(far);
        const QRect r(off->pos(), off->size());
        EXPECT_TRUE(screen.contains(r.topLeft())) << far.constData();
        EXPECT_TRUE(screen.intersects(r));
    }
    // Numbers at the ends of the integer range (a damaged file) land on screen too.
    auto huge = loadFrom("Left=2147483647\nTop=-2147483648\nWidth=2147483647\nHeight=2147483647\n");
    EXPECT_TRUE(screen.contains(huge->pos()));
    EXPECT_TRUE(huge->width() <= screen.width() && huge->height() <= screen.height());

    // A window reaching a little past the screen's edge is left where the user put it.
    auto edge = loadFrom(QStringLiteral("Left=%1\nTop=20\nWidth=300\nHeight=200\n")
                             .arg(screen.right() - 100)
                             .toLatin1());
    EXPECT_EQ(edge->pos().x(), screen.right() - 100);

    // Maximised comes back maximised; minimised comes back as a normal window.
    EXPECT_TRUE(loadFrom("State=2\nLeft=10\nTop=10\nWidth=300\nHeight=200\n")->windowState() &
                Qt::WindowMaximized);
    EXPECT_EQ(loadFrom("State=1\nLeft=10\nTop=10\nWidth=300\nHeight=200\n")->windowState(),
              Qt::WindowNoState);
}
