#include "VehicleFolders.h"

#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr int MaxNameAttempts = 100; // events within one second; more is a runaway loop
const QString Suffix = QStringLiteral(".veltg");
} // namespace

QString VehicleFolderName(const QString& vehicleName) {
    static const QRegularExpression unsafe(QStringLiteral(R"([<>:"/\\|?*\x00-\x1F])"));
    static const QRegularExpression reserved(QStringLiteral(R"(^(CON|PRN|AUX|NUL|COM\d|LPT\d)$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString name = vehicleName;
    name.replace(unsafe, QStringLiteral("_"));
    // Windows drops trailing dots and spaces, and "." and ".." are no folders of their own.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    name = name.trimmed();
    if (name.isEmpty() || reserved.match(name).hasMatch()) name.prepend(u'_');
    return name;
}

QString SaveEventSettings(const TMK& model, const QString& folder, TEventKind kind,
                          const QDateTime& time) {
    const QString failure = Tx("Cannot save the settings in the vehicle's folder %1.",
                               "Не удалось сохранить настройки в папке автомобиля %1.")
                                .arg(QDir::toNativeSeparators(folder));
    if (!QDir().mkpath(folder)) throw TError(failure);
    const QString stem = time.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + EventKindName(kind);
    QString path = QDir(folder).filePath(stem + Suffix);
    for (int n = 2; QFileInfo::exists(path); ++n) {
        if (n > MaxNameAttempts) throw TError(failure);
        path = QDir(folder).filePath(stem + QStringLiteral("-%1").arg(n) + Suffix);
    }
    try {
        SaveSettingsFile(model, path);
    } catch (const TError& e) {
        throw TError(failure + QStringLiteral("\n") + e.message());
    }
    return path;
}
