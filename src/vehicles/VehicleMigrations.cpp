#include "VehicleMigrations.h"

namespace {

// clang-format off
constexpr const char* kVersion1[] = {
    "CREATE TABLE vehicles ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " name_key TEXT NOT NULL UNIQUE,"   // the name case-folded: "А123ВС 77" is "а123вс 77"
    " notes TEXT NOT NULL DEFAULT '',"
    " device_type INTEGER NOT NULL DEFAULT 0,"
    " created_ms INTEGER NOT NULL)",
    "CREATE TABLE events ("
    " id INTEGER PRIMARY KEY,"
    " vehicle_id INTEGER NOT NULL REFERENCES vehicles(id),"
    " kind TEXT NOT NULL,"
    " time_ms INTEGER NOT NULL,"        // UTC, milliseconds since 1970
    " utc_offset INTEGER NOT NULL,"     // seconds the local time was ahead of UTC
    " device_type INTEGER NOT NULL,"
    " settings_version INTEGER NOT NULL,"
    " file TEXT NOT NULL DEFAULT '',"
    " backup TEXT NOT NULL DEFAULT '',"
    " changes TEXT NOT NULL DEFAULT '',"
    " odometer_start INTEGER NOT NULL DEFAULT 0,"
    " tare TEXT NOT NULL DEFAULT '',"
    " maintenance_names TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX events_by_time ON events (time_ms, id)",
    "CREATE INDEX events_by_vehicle ON events (vehicle_id, time_ms, id)",
};
// clang-format on

constexpr TMigration kMigrations[] = {
    {kVersion1},
};

} // namespace

std::span<const TMigration> VehicleMigrations() {
    return kMigrations;
}
