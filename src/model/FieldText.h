#pragma once

// Field values as text, as the command-line tool and the change list print them.

#include "FieldTable.h"

#include <QByteArray>
#include <QString>

// One element: integers in decimal, f32 in the shortest form that reads back exactly.
QString ElementText(const QByteArray& record, const FieldDef& f, int index);
// The whole field: elements comma-separated, text fields as their text, byte ranges in hex.
QString FieldText(const QByteArray& record, const FieldDef& f);
