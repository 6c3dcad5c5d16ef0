#include "VehicleEvents.h"

#include "Language.h"

#include <array>
#include <chrono>
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
    // Written digit by digit: QDateTime::toString and snprintf take a microsecond or more, most
    // of the time a long history takes to print. An offset of zero is written "+00:00" too,
    // never "Z": one form for every reader.
    using namespace std::chrono;
    const int offset = time.offsetFromUtc();
    const sys_seconds local =
        floor<seconds>(sys_time<milliseconds>(milliseconds(time.toMSecsSinceEpoch()))) +
        seconds(offset);
    const sys_days day = floor<days>(local);
    const year_month_day date(day);
    const hh_mm_ss clock(local - day);
    const int minutes = std::abs(offset) / 60;
    char text[] = "0000-00-00T00:00:00+00:00";
    const auto put = [&text](int at, int value, int digits) {
        for (int i = at + digits - 1; i >= at; --i, value /= 10)
            text[i] = char('0' + value % 10);
    };
    put(0, int(date.year()), 4);
    put(5, int(unsigned(date.month())), 2);
    put(8, int(unsigned(date.day())), 2);
    put(11, int(clock.hours().count()), 2);
    put(14, int(clock.minutes().count()), 2);
    put(17, int(clock.seconds().count()), 2);
    if (offset < 0) text[19] = '-';
    put(20, minutes / 60, 2);
    put(23, minutes % 60, 2);
    return QString::fromLatin1(text, sizeof text - 1);
}
