#pragma once

// The journals as tables of texts: what the viewer shows and what "Save to file" and the
// command-line export write. A table is a list of rows of cell texts, header row first.
// The text form puts a tab after every cell and CR LF after every row.

#include "JournalRecords.h"

#include <QString>
#include <QStringList>
#include <vector>

class TMK;

namespace journals {

using TextTable = std::vector<QStringList>;

QString DriveJournalCaption(DriveJournal journal); // "Trip log", "Petrol log"
QString SumsCaption();                             // "Average"
QString FaultJournalCaption();                     // "Faults log"
QString FreezeFrameCaption(int slot);              // "Freeze frame 3"

// 22 rows of 9 cells: the header, then "Last" and 1..20 with the records' texts.
TextTable DriveTable(const TMK& model, DriveJournal journal);
// 8 rows of 3 cells: the header, then slots 0..6 (number, time, code).
TextTable FaultTable(const TMK& model, const FaultCodeStyle& style);

QString TableText(const TextTable& table);
QString DriveJournalText(const TMK& model, DriveJournal journal);
// Every adder: its caption line, then "label TAB value" lines.
QString SumsText(const TMK& model);
// The fault table, then for each slot with a freeze frame its caption line and its
// "label TAB value" lines.
QString FaultJournalText(const TMK& model, const FaultCodeStyle& style);

// The text in the system's 8-bit code page where it has one (Windows), otherwise UTF-8.
QByteArray EncodeExportText(const QString& text);
// Creates or replaces the file atomically; a failure raises TError with the reason and
// leaves an existing file as it was.
void SaveExportText(const QString& path, const QString& text);

} // namespace journals
