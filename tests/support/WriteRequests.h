#pragma once

// Where a request of the device write falls, for faults aimed at it: the write sends, section
// by section, BeginRegion, the blocks and EndRegion.

#include "DeviceMemory.h"

#include <QByteArray>

// The request number, counted from the write's first (1), of block `block` of section
// `section` of the image's table; block -1 is the section's BeginRegion.
inline int WriteRequestOf(const QByteArray& image, int section, int block) {
    int before = 0;
    for (const devmem::TRegion& r : devmem::SectionRegions(image)) {
        if (r.section == section) return before + 2 + block;
        before += 2 + (r.count + BlockSize - 1) / BlockSize;
    }
    return -1;
}
