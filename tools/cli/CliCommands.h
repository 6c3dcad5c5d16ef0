#pragma once

// The commands of tripconf-cli. Each takes its arguments (after the command word) and the
// output streams, and returns the process exit code: 0 success, 1 failure (message on
// err), 2 wrong usage.

#include <QStringList>
#include <QTextStream>
#include <vector>

class TMK;
struct TFieldChange;

namespace cli {

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

struct Streams {
    QTextStream& out;
    QTextStream& err;
};

QString UsageText();
int Run(const QStringList& args, Streams io);

int Show(const QStringList& args, Streams io);
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

// One "NAME: OLD -> NEW" line per change, then the count.
void PrintChangeList(const std::vector<TFieldChange>& changes, QTextStream& out);
// Needs a QGuiApplication (main makes one for this command).
int Render(const QStringList& args, Streams io);

} // namespace cli
