#pragma once

// Texts in the trip computer's memory are single-byte Windows-1251 (Cyrillic) strings.
// Characters that the code page lacks become '?'.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QByteArray EncodeDeviceText(QStringView text);
QString DecodeDeviceText(QByteArrayView bytes);

// The same conversion by the built-in table; used when the system's converters do not
// offer Windows-1251.
QByteArray EncodeCp1251ByTable(QStringView text);
QString DecodeCp1251ByTable(QByteArrayView bytes);
