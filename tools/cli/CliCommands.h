#pragma once

// The commands of tripconf-cli. Each takes its arguments (after the command word) and the
// output streams, and returns the process exit code: 0 success, 1 failure (message on
// err), 2 wrong usage.

#include <QStringList>
#include <QTextStream>
#include <vector>

class TMK;
struct TFieldChange;
class TSettingWords;
namespace journals {
struct TRecordChange;
}

namespace cli {

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

struct Streams {
    QTextStream& out;
    QTextStream& err;
};

QString UsageText();
// One command's usage and what it does (the whole usage for an unknown command).
QString CommandUsage(const QString& command);
int Run(const QStringList& args, Streams io);

int Show(const QStringList& args, Streams io);
int Describe(const QStringList& args, Streams io);
// What show --json prints for a loaded model.
void ShowJson(const TMK& model, QTextStream& out);
int Diff(const QStringList& args, Streams io);
int Journal(const QStringList& args, Streams io);
int Ports(const QStringList& args, Streams io);
int Read(const QStringList& args, Streams io);
int Write(const QStringList& args, Streams io);
int Tank(const QStringList& args, Streams io);
int Maintenance(const QStringList& args, Streams io);
int Get(const QStringList& args, Streams io);
int Set(const QStringList& args, Streams io);
int History(const QStringList& args, Streams io);
int Vehicles(const QStringList& args, Streams io);

// One "NAME: OLD -> NEW (Caption: old -> new)" line per changed setting (the words of
// `words`, where a setting describes it), then what happens to the device's records in
// words, then the count of settings.
void PrintChangeList(const std::vector<TFieldChange>& changes, const TSettingWords& words,
                     const std::vector<journals::TRecordChange>& records, QTextStream& out);
// " (Caption: old -> new)" for a change a setting describes; empty otherwise.
QString WordsOf(const TFieldChange& change, const TSettingWords& words);
// Need a QGuiApplication (main makes one for these commands).
int Render(const QStringList& args, Streams io);
int Sheet(const QStringList& args, Streams io);

} // namespace cli
