#include "DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace {
const QString Section = QStringLiteral("FileDialogs/");
} // namespace

TDialogFolders::TDialogFolders(QSettings& settings, QString fallbackFolder)
    : settings_(settings), fallback_(std::move(fallbackFolder)) {}

QString TDialogFolders::StartFolder(const QString& kind, const QString& firstFolder) const {
    const QString fallback =
        !firstFolder.isEmpty() && QFileInfo(firstFolder).isDir() ? firstFolder : fallback_;
    if (kind.isEmpty()) return fallback;
    const QString folder = settings_.value(Section + kind).toString();
    // A folder that was removed or renamed since (or an unreadable entry) falls back.
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return fallback;
    return folder;
}

void TDialogFolders::Remember(const QString& kind, const QString& chosenFile) {
    if (kind.isEmpty() || chosenFile.isEmpty()) return;
    settings_.setValue(Section + kind, QFileInfo(chosenFile).absolutePath());
}

QString TDialogFolders::DefaultFolder(const QString& programFolder,
                                      const QString& documentsFolder) {
    const QFileInfo program(programFolder);
    return program.isDir() && program.isWritable() ? programFolder : documentsFolder;
}

QString TDialogFolders::KindOfFilter(const QString& filter) {
    static const QRegularExpression extension(QStringLiteral(R"(\*\.([A-Za-z0-9_]+))"));
    const QRegularExpressionMatch m = extension.match(filter);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}
