#pragma once

// Field values as text, as the command-line tool and the change list print them.

#include "FieldTable.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>

// One element: integers in decimal, f32 in the shortest form that reads back exactly.
QString ElementText(const QByteArray& record, const FieldDef& f, int index);
// The whole field: elements comma-separated, text fields as their text, byte ranges in hex.
QString FieldText(const QByteArray& record, const FieldDef& f);
// Unsigned fields are exact: a u64 beyond the signed 64-bit range is written by JsonText
// as a bare number with all its digits.
QJsonValue FieldJson(const QByteArray& record, const FieldDef& f);
// The document as indented JSON text, with every u64 value that FieldJson gave as its
// bare decimal number.
QByteArray JsonText(const QJsonDocument& document);
