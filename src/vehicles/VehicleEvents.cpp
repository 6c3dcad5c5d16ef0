#include "VehicleEvents.h"

#include "Language.h"

#include <array>
#include <cstdlib>

namespace {

struct KindRow {
    TEventKind kind;
    const char* name;
    TText caption;
};

// clang-format off
constexpr std::array<KindRow, 5> kKinds{{
    {TEventKind::Read,    "read",    {"Read from the device", "Считаны из МК"}},
    {TEventKind::Write,   "write",   {"Written to the device", "Записаны в МК"}},
    {TEventKind::Save,    "save",    {"Saved to a file", "Сохранены в файл"}},
    {TEventKind::Load,    "load",    {"Loaded from a file", "Загружены из файла"}},
    {TEventKind::Restore, "restore", {"Restore point loaded", "Загружена точка восстановления"}},
}};
// clang-format on

const KindRow& rowOf(TEventKind kind) {
    return kKinds[std::size_t(kind)];
}

} // namespace

QString EventKindName(TEventKind kind) {
    return QString::fromLatin1(rowOf(kind).name);
}

std::optional<TEventKind> EventKindFromName(const QString& name) {
    for (const KindRow& r : kKinds)
        if (name == QLatin1String(r.name)) return r.kind;
    return std::nullopt;
}

QString EventKindCaption(TEventKind kind) {
    return rowOf(kind).caption.text();
}

QString EventTimeText(const QDateTime& time) {
    // An offset of zero is written "+00:00" too, never "Z": one form for every reader.
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toOffsetFromUtc(offset).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
