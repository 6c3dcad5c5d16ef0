#pragma once

// Where a vehicle's settings files live: a folder per vehicle under the data folder, named
// after the vehicle, so that the files can be found and copied without the program.

#include "VehicleEvents.h"

#include <QString>

class TMK;

// The vehicle's name as a folder name: characters no file system takes become "_".
QString VehicleFolderName(const QString& vehicleName);

// Saves the settings as "20261209-101500-read.veltg" (the event's time and kind) in folder,
// created when missing; a name already taken gets "-2", "-3", ... Returns the path; TError
// naming the folder when it cannot be saved.
QString SaveEventSettings(const TMK& model, const QString& folder, TEventKind kind,
                          const QDateTime& time);
