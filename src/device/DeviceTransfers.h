#pragma once

// The read and write flows that the main window and the command-line tool share: what is
// read, what is kept, what is checked and what is written, in that order. Connecting
// (WaitForDevice) and showing progress stay with the caller.

#include <QByteArray>
#include <cstdint>
#include <functional>

class TML_RS;
class TMK;

// Reads the device's memory and decodes the header and all eleven sections. A failed
// read leaves the model as it was and passes the link's error on.
void ReadSettingsFromDevice(TML_RS& link, TMK& model, const std::function<void(int)>& progress);

struct WriteFlowSteps {
    std::function<void(int)> readProgress;
    // Called with the device's current image and version, before anything is written;
    // the command-line tool keeps it as a backup. An exception stops the write.
    std::function<void(const QByteArray& deviceImage, std::uint16_t version)> beforeWrite;
    std::function<void()> writing; // the write itself starts
    std::function<void(int)> writeProgress;
};

// The write after a connection that reported deviceVersion:
// 1. the device version must equal the model's (else TError, nothing read or written);
// 2. the device's current image is read; the model's eleven sections are encoded into it
//    at the addresses of its own table;
// 3. its settings-layout version must equal the one the model held (else TError, nothing
//    written);
// 4. every section of the table is written.
// A failed read leaves the model's image and sections as they were.
void WriteSettingsToDevice(TML_RS& link, TMK& model, std::uint16_t deviceVersion,
                           const WriteFlowSteps& steps);

// The messages of the two version checks, in the current language.
QString DeviceVersionMismatchText();
QString FirmwareVersionMismatchText();
