#include "AtomicSave.h"

#include "Errors.h"

#include <QSaveFile>

void SaveWholeFile(const QString& path, const QByteArray& data, const QString& failure) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw TError(failure + QStringLiteral("\n") + out.errorString());
}
