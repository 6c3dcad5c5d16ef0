#pragma once

// The journal areas of a settings image as records, for "show".

#include <QJsonArray>
#include <QStringList>

class TMK;

namespace cli {

// nullopt-like: an empty array for a field that is not a journal area.
bool IsJournalField(const char* name);
QJsonArray JournalJson(const TMK& model, const char* name);
// One line per record: "Name[i] = Member=value, ...".
QStringList JournalLines(const TMK& model, const char* name);

} // namespace cli
