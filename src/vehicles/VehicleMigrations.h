#pragma once

// The schema of the vehicles' database as numbered steps: step n takes a database of
// version n (PRAGMA user_version) to n + 1. A step once released is never changed; a change
// is a new step at the end.

#include <span>

struct TMigration {
    std::span<const char* const> statements;
};

std::span<const TMigration> VehicleMigrations();

// The version the newest step leaves.
inline int LatestVehicleSchema() {
    return int(VehicleMigrations().size());
}
