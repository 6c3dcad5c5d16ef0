#pragma once

// Writes a whole file at once (QSaveFile): either all of it lands or the old file stays.

#include <QByteArray>
#include <QString>

// Throws TError with `failure` and the system's reason on a new line.
void SaveWholeFile(const QString& path, const QByteArray& data, const QString& failure);
