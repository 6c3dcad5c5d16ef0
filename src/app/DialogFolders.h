#pragma once

// Where the file dialogs open. Each kind of file, named by the extension its dialog's filter
// shows ("veltg", "velto", "veltt", "txt"), opens where the user last chose a file of that
// kind; the folder is remembered in the application settings file (section "FileDialogs").
// A kind never chosen, or whose folder is gone, opens in the fallback folder: the program's
// own folder when it may be written (a copy unpacked into a folder of its own), otherwise
// the user's documents (an installed program's folder is not writable).

#include <QString>

class QSettings;

class TDialogFolders {
public:
    // settings must outlive this object.
    TDialogFolders(QSettings& settings, QString fallbackFolder);

    // firstFolder, when given and present, stands in for the fallback of a kind never chosen.
    QString StartFolder(const QString& kind, const QString& firstFolder = QString()) const;
    // Remembers the folder of a file the user chose in a dialog of this kind.
    void Remember(const QString& kind, const QString& chosenFile);
    const QString& FallbackFolder() const { return fallback_; }

    // The program's folder when it can be written, else the documents folder.
    static QString DefaultFolder(const QString& programFolder, const QString& documentsFolder);
    // The kind of a dialog: the first extension its filter names ("Settings files (*.veltg)"
    // gives "veltg"); empty for a filter without one.
    static QString KindOfFilter(const QString& filter);

private:
    QSettings& settings_;
    QString fallback_;
};
