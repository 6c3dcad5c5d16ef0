#pragma once

// The journal areas of a settings image as records, for "show".

#include <QStringList>

class TMK;

namespace cli {

class TJsonWriter;

bool IsJournalField(const char* name);
// The journal as an array of records, each an object of its members.
void WriteJournalJson(TJsonWriter& json, const TMK& model, const char* name);
// One line per record: "Name[i] = Member=value, ...".
QStringList JournalLines(const TMK& model, const char* name);

} // namespace cli
