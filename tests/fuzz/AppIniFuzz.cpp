// Feeds arbitrary bytes to the application settings file (tripconf.ini): unreadable ports,
// placements off every screen, numbers past any range. Whatever it holds, reading it gives
// in-range values, the port map only valid COM numbers, and a main-window-sized widget
// placed where its title bar can be reached on the screen.

#include "MIniFile.h"
#include "PortMap.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

const QString WindowSection = QStringLiteral("MainWindow");

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tripconf.ini"));
    {
        QFile f(path);
        check(f.open(QIODevice::WriteOnly) &&
              f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    TMIniFile ini(path);
    ini.ReadInteger(QStringLiteral("RS232"), QStringLiteral("Port"), 1);
    ini.ReadBool(QStringLiteral("Common"), QStringLiteral("EnglishVersion"), false);

    const TPortMap map = TPortMap::FromSettings(ini.Settings());
    for (int n = TPortMap::FirstPort; n <= TPortMap::LastPort; ++n)
        map.Path(n);

    QWidget window;
    window.setMinimumSize(320, 200);
    window.resize(480, 360);
    LoadWindowPlacement(ini, WindowSection, window);
    const QRect r(window.pos(), window.size());
    check(r.width() >= 320 && r.height() >= 200);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    check(screen.intersects(QRect(r.topLeft(), QSize(r.width(), 1)).adjusted(0, 0, 0, 1)));

    SaveWindowPlacement(ini, WindowSection, window);
    ini.Flush();
    return 0;
}
