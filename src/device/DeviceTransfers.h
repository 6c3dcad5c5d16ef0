#pragma once

// The read and write flows that the main window and the command-line tool share: what is
// read, what is kept, what is checked and what is written, in that order. Connecting
// (WaitForDevice) and showing progress stay with the caller.

#include "ChangeList.h"
#include "RecordChanges.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TML_RS;
class TMK;

// Reads the device's memory and decodes the header and all eleven sections; no record part
// counts as cleared afterwards. A failed read leaves the model as it was and passes the
// link's error on.
void ReadSettingsFromDevice(TML_RS& link, TMK& model, const std::function<void(int)>& progress);

// What a write is about to do, as data for the user to confirm.
struct TWritePlan {
    std::uint16_t deviceVersion = 0;
    // The image as it will be written when the device keeps its records.
    QByteArray writtenImage;
    // The settings that differ from the device's.
    std::vector<TFieldChange> changes;
    // What happens to the device's records when it keeps them: only the user's clears.
    std::vector<journals::TRecordChange> recordChanges;
    // Whether writing the settings' own records instead would give the device other records
    // than keeping its own, and what that would do to them.
    bool canReplaceRecords = false;
    std::vector<journals::TRecordChange> replacedRecordChanges;
};

struct TWriteChoice {
    bool write = true;
    // Write the settings' own records over the device's (only when the plan offers it).
    bool replaceRecords = false;
};

// A full read of a device's memory (all 254 blocks) and the version word it reported.
struct TFullRead {
    QByteArray image;
    std::uint16_t deviceVersion = 0;
};

struct WriteFlowSteps {
    // Where the device's memory is kept before anything is written; empty: the default.
    QString backupFolder;
    // A write reads only the header and the sections' blocks; the caller's last full read
    // of the device fills the backup's other bytes when the device now reports the same
    // version word and the same header. Otherwise they are zero: no write changes them.
    std::optional<TFullRead> lastFullRead;
    // Read all of the memory first, as writes once did: every byte of the backup is then the
    // device's, at the cost of reading every block (kept for timing comparisons).
    bool readWholeMemory = false;
    std::function<void(int)> readProgress;
    // Shown what will change, after the backup and both version checks; a choice not to
    // write stops with nothing written. Unset: the write goes on and the device keeps its
    // records.
    std::function<TWriteChoice(const TWritePlan& plan)> confirm;
    std::function<void()> writing; // the write itself starts
    std::function<void(int)> writeProgress;
    std::function<void()> checking; // the read-back check starts
    std::function<void(int)> checkProgress;
};

struct TWriteOutcome {
    bool written = false; // false: the user chose not to write
    bool recordsReplaced = false;
    QString backupPath;
    TWritePlan plan;
};

// The write after a connection that reported deviceVersion:
// 1. the device version must equal the model's (else TError, nothing read or written);
// 2. the device's header is read, then (by its table, which must fit the image, else
//    ERangeError) the blocks of every section; they are saved as a backup, the other bytes
//    from steps.lastFullRead or zero (a backup that cannot be saved stops the write);
// 3. the model's eleven sections are encoded into that image at the addresses of its own
//    table, with the device's records in place of the model's (the parts the user cleared
//    cleared again); its settings-layout version must equal the one the model held (else
//    TError);
// 4. the plan is offered for confirmation, which may have the settings' records written
//    instead;
// 5. every section of the table is written, and the blocks holding them are read back and
//    compared (EReadBackError when the device holds something else). A link failure once a
//    block has gone out says that the device may hold some new and some old settings, in
//    which section the write stopped and which backup restores it.
// Until the write starts, any failure or a choice not to write leaves the model's image,
// sections and clears as they were. After a write the model holds what the device holds
// (image and sections) and nothing counts as cleared.
TWriteOutcome WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                                    const WriteFlowSteps& steps);

// What a write that stopped after a block had gone out says: the link's message, where it
// stopped and what to do, in the current language.
QString WriteStoppedText(const QString& linkMessage, int section, int sections,
                         const QString& backupPath);

// The messages of the two version checks, in the current language.
QString DeviceVersionMismatchText();
QString FirmwareVersionMismatchText();
