#pragma once

// Reads and writes one element of a field inside a section record, by the field table.
// Integers travel as int64 (a u64 as its bit pattern); a value that does not fit the
// field's width and signedness (or its bit field) raises ERangeError and leaves the
// record untouched.

#include "FieldTable.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

std::int64_t ReadFieldInt(const QByteArray& record, const FieldDef& f, int index = 0);
void WriteFieldInt(QByteArray& record, const FieldDef& f, int index, std::int64_t value);

// Any numeric field, f32 included.
double ReadFieldNumber(const QByteArray& record, const FieldDef& f, int index = 0);
void WriteFieldNumber(QByteArray& record, const FieldDef& f, int index, double value);

// Text fields: characters up to the first zero byte (or the field's end). Writing puts the
// characters and one zero byte; bytes after the zero keep their old values. A text that
// does not fit with its zero (more than length - 1 characters) raises ERangeError.
QString ReadFieldText(const QByteArray& record, const FieldDef& f);
void WriteFieldText(QByteArray& record, const FieldDef& f, const QString& text);

// The raw bytes of the field (all elements).
QByteArray ReadFieldBytes(const QByteArray& record, const FieldDef& f);
