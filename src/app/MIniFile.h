#pragma once

// The application settings file: an ini file named after the program. It keeps the port,
// the language and the main window's placement between runs.

#include <QSettings>
#include <QString>
#include <memory>

class QWidget;

class TMIniFile {
public:
    // Opens (and creates, when missing) the file at path.
    explicit TMIniFile(const QString& path);
    ~TMIniFile();
    TMIniFile(const TMIniFile&) = delete;
    TMIniFile& operator=(const TMIniFile&) = delete;

    // Where the program keeps its settings file: beside the program when that folder can
    // be written, otherwise in the user's configuration folder. The name is the program's
    // file name with ".ini".
    static QString DefaultPath();
    static QString PathFor(const QString& programPath, const QString& fallbackFolder);

    int ReadInteger(const QString& section, const QString& key, int def) const;
    // "1"/"0" on disk; any non-zero integer reads as true, anything that is not an integer
    // gives def.
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Writes pending entries to disk; false when the file could not be written.
    bool Flush();
    QSettings& Settings() { return *settings_; }
    QString FileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

// Window placement under section: "State" (0 normal, 1 minimised, 2 maximised), "Left",
// "Top", "Width", "Height" in pixels. Negative positions become 0, negative sizes 100, and
// a placement that lies off every screen is moved onto the primary screen. A minimised
// window comes back as a normal one: a program that starts minimised looks as if it had
// not started.
void LoadWindowPlacement(const TMIniFile& ini, const QString& section, QWidget& window);
void SaveWindowPlacement(TMIniFile& ini, const QString& section, const QWidget& window);
