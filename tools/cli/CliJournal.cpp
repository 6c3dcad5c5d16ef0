#include "CliCommands.h"
#include "CliOptions.h"
#include "JournalExport.h"
#include "JournalRecords.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingsFile.h"

namespace cli {

namespace {

const QString Eol = QStringLiteral("\r\n");

// The fault table, then for each slot with a freeze frame: a blank line, "#slot" and its
// label TAB value rows.
QString faultsText(const TMK& model) {
    const journals::FaultCodeStyle style = journals::CurrentFaultCodeStyle(model);
    QString text = journals::TableText(journals::FaultTable(model, style));
    const QByteArray pids = journals::ReadFreezeFramePids(model);
    for (int slot = 0; slot < journals::FaultSlotCount; ++slot) {
        const auto rows = journals::FreezeFrameRows(journals::ReadFaultRecord(model, slot), pids);
        if (rows.empty()) continue;
        text += Eol + QStringLiteral("#%1").arg(slot) + Eol;
        for (const journals::LabelValue& r : rows)
            text += r.label + '\t' + r.value + Eol;
    }
    return text;
}

} // namespace

int Journal(const QStringList& args, Streams io) {
    const ParsedArgs p = ParseArgs(args, {"--lang"}, {"--trip", "--tank", "--sums", "--faults"});
    QString error = p.error;
    if (error.isEmpty() && p.positional.size() != 1)
        error = QStringLiteral("journal takes one settings file.");
    if (error.isEmpty() && p.flags.size() != 1)
        error = QStringLiteral("Choose one of --trip, --tank, --sums, --faults.");
    const bool english = EnglishOption(p, error);
    if (!error.isEmpty()) {
        io.err << error << "\n" << UsageText();
        return ExitUsage;
    }
    EnglishVersion = english;
    TMK model;
    LoadSettingsForTool(model, p.positional.first());

    QString text;
    if (p.flags.contains("--trip"))
        text = journals::DriveJournalText(model, journals::DriveJournal::Trip);
    else if (p.flags.contains("--tank"))
        text = journals::DriveJournalText(model, journals::DriveJournal::Tank);
    else if (p.flags.contains("--sums"))
        text = journals::SumsText(model);
    else
        text = faultsText(model);
    io.out << text;
    return ExitOk;
}

} // namespace cli
