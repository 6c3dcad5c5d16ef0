#pragma once

// The read and write flows that the main window and the command-line tool share: what is
// read, what is kept, what is checked and what is written, in that order. Connecting
// (WaitForDevice) and showing progress stay with the caller.

#include "ChangeList.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TML_RS;
class TMK;

// Reads the device's memory and decodes the header and all eleven sections. A failed
// read leaves the model as it was and passes the link's error on.
void ReadSettingsFromDevice(TML_RS& link, TMK& model, const std::function<void(int)>& progress);

struct WriteFlowSteps {
    // Where the device's memory is kept before anything is written; empty: the default.
    QString backupFolder;
    std::function<void(int)> readProgress;
    // Shown what will change, after the backup and both version checks; false stops the
    // write with nothing written. Unset: the write goes on.
    std::function<bool(const std::vector<TFieldChange>& changes)> confirmChanges;
    std::function<void()> writing; // the write itself starts
    std::function<void(int)> writeProgress;
    std::function<void()> checking; // the read-back check starts
    std::function<void(int)> checkProgress;
};

struct TWriteOutcome {
    bool written = false; // false: the change list was declined
    QString backupPath;
    std::vector<TFieldChange> changes;
};

// The write after a connection that reported deviceVersion:
// 1. the device version must equal the model's (else TError, nothing read or written);
// 2. the device's current image is read and saved as a backup (a backup that cannot be
//    saved stops the write);
// 3. the model's eleven sections are encoded into that image at the addresses of its own
//    table; its settings-layout version must equal the one the model held (else TError);
// 4. the changes are offered for confirmation;
// 5. every section of the table is written, and the blocks holding them are read back and
//    compared (EReadBackError when the device holds something else).
// Until the write starts, any failure or a declined change list leaves the model's image
// and sections as they were.
TWriteOutcome WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                                    const WriteFlowSteps& steps);

// The messages of the two version checks, in the current language.
QString DeviceVersionMismatchText();
QString FirmwareVersionMismatchText();
