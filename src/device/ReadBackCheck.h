#pragma once

// The check after a write: the blocks that hold the written regions are read back and
// compared, byte by byte, with what was written.

#include "Errors.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

class TML_RS;

// A run of device addresses of one section whose bytes differ from what was written.
struct TReadBackDifference {
    int section;
    int firstAddress;
    int lastAddress;
};

// The check found the device holding other bytes than were written. The message names the
// sections, the device addresses and the backup file.
class EReadBackError : public TError {
public:
    EReadBackError(std::vector<TReadBackDifference> differences, const QString& backupPath);
    const std::vector<TReadBackDifference>& Differences() const { return differences_; }

private:
    std::vector<TReadBackDifference> differences_;
};

// The blocks (0..255) that hold the regions of the image's section table, in order.
std::vector<int> BlocksOfWrittenRegions(const QByteArray& writtenImage);

// Compares the regions of the image's section table with the blocks read back (block
// number -> its 32 bytes). Runs of differing addresses, section by section.
std::vector<TReadBackDifference> CompareReadBack(const QByteArray& writtenImage,
                                                 const QMap<int, QByteArray>& blocks);

// Reads the blocks back (with the reads' reply time-out; the write's is restored after)
// and raises EReadBackError when any written byte differs. progress receives 0..100.
void CheckWrittenRegions(TML_RS& link, const QByteArray& writtenImage, const QString& backupPath,
                         const std::function<void(int)>& progress);
