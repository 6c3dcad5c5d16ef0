#include "MIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace {

enum PlacementState { StateNormal = 0, StateMinimised = 1, StateMaximised = 2 };
constexpr int MinimumSize = 100;  // a stored negative size becomes this
constexpr int VisibleMargin = 48; // pixels of the window that must lie on some screen
// No screen lies further out than this many pixels; a stored number beyond it (a damaged
// file) is taken as this, so the rectangle arithmetic below stays far from overflowing.
constexpr int MaxPlacement = 100000;

QString key(const QString& section, const QString& name) {
    return section + u'/' + name;
}

int placementValue(const TMIniFile& ini, const QString& section, const char* name, int def) {
    return std::clamp(ini.ReadInteger(section, QLatin1String(name), def), -MaxPlacement,
                      MaxPlacement);
}

bool canWriteBeside(const QString& iniPath) {
    const QFileInfo ini(iniPath);
    if (ini.exists()) return ini.isWritable();
    return QFileInfo(ini.absolutePath()).isWritable();
}

// True when the top strip of r, where the title bar is, lies enough on some screen for the
// user to grab it.
bool reachable(const QRect& r) {
    const QRect strip(r.left(), r.top(), r.width(), std::min(VisibleMargin, r.height()));
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect overlap = s->geometry().intersected(strip);
        if (overlap.width() >= std::min(VisibleMargin, r.width()) &&
            overlap.height() * 2 >= strip.height())
            return true;
    }
    return QGuiApplication::screens().isEmpty();
}

} // namespace

TMIniFile::TMIniFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(" \n");
    }
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

TMIniFile::~TMIniFile() = default;

QString TMIniFile::PathFor(const QString& programPath, const QString& fallbackFolder) {
    const QFileInfo program(programPath);
    const QString name = program.completeBaseName() + QStringLiteral(".ini");
    const QString beside = program.absoluteDir().filePath(name);
    if (canWriteBeside(beside)) return beside;
    return QDir(fallbackFolder).filePath(name);
}

QString TMIniFile::DefaultPath() {
    return PathFor(QCoreApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

int TMIniFile::ReadInteger(const QString& section, const QString& name, int def) const {
    bool ok = false;
    const int v = settings_->value(key(section, name)).toString().trimmed().toInt(&ok);
    return ok ? v : def;
}

bool TMIniFile::ReadBool(const QString& section, const QString& name, bool def) const {
    bool ok = false;
    const qlonglong v = settings_->value(key(section, name)).toString().trimmed().toLongLong(&ok);
    return ok ? v != 0 : def;
}

void TMIniFile::WriteInteger(const QString& section, const QString& name, int value) {
    settings_->setValue(key(section, name), value);
}

void TMIniFile::WriteBool(const QString& section, const QString& name, bool value) {
    settings_->setValue(key(section, name), value ? 1 : 0);
}

bool TMIniFile::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

void LoadWindowPlacement(const TMIniFile& ini, const QString& section, QWidget& window) {
    const int state = ini.ReadInteger(section, QStringLiteral("State"),
                                      window.isMaximized() ? StateMaximised : StateNormal);
    // The normal placement is restored in every state, so that leaving maximised later
    // gives the window its remembered place.
    QRect r(window.pos(), window.size());
    r.moveLeft(std::max(0, placementValue(ini, section, "Left", r.left())));
    r.moveTop(std::max(0, placementValue(ini, section, "Top", r.top())));
    const int w = placementValue(ini, section, "Width", r.width());
    const int h = placementValue(ini, section, "Height", r.height());
    r.setSize(QSize(w < 0 ? MinimumSize : w, h < 0 ? MinimumSize : h)
                  .expandedTo(window.minimumSizeHint())
                  .boundedTo(window.maximumSize()));
    if (!reachable(r)) {
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect avail = s->availableGeometry();
            r.setSize(r.size().boundedTo(avail.size()).expandedTo(window.minimumSizeHint()));
            r.moveCenter(avail.center());
            r.moveTopLeft(QPoint(std::max(r.left(), avail.left()), std::max(r.top(), avail.top())));
        }
    }
    window.move(r.topLeft());
    window.resize(r.size());
    window.setWindowState(state == StateMaximised ? Qt::WindowMaximized : Qt::WindowNoState);
}

void SaveWindowPlacement(TMIniFile& ini, const QString& section, const QWidget& window) {
    int state = StateNormal;
    if (window.isMaximized())
        state = StateMaximised;
    else if (window.isMinimized())
        state = StateMinimised;
    // normalGeometry() is the client area; the position is stored as pos() (frame corner),
    // the same way it is restored.
    QRect r(window.pos(), window.size());
    if (state != StateNormal && window.normalGeometry().isValid()) {
        const QRect n = window.normalGeometry();
        const QPoint frameOffset = window.geometry().topLeft() - window.pos();
        r = QRect(n.topLeft() - frameOffset, n.size());
    }
    ini.WriteInteger(section, QStringLiteral("State"), state);
    ini.WriteInteger(section, QStringLiteral("Left"), r.left());
    ini.WriteInteger(section, QStringLiteral("Top"), r.top());
    ini.WriteInteger(section, QStringLiteral("Width"), r.width());
    ini.WriteInteger(section, QStringLiteral("Height"), r.height());
}
