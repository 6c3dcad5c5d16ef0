#pragma once

// Builds settings images with a chosen section table for the model tests.

#include "ByteAccess.h"
#include "FieldTable.h"
#include "Pars32H.h"

#include <QByteArray>
#include <array>

struct TableEntry {
    int address;
    int length;
};

// Eleven sections laid one after another from device address 92, each record size + 4.
inline std::array<TableEntry, 11> standardTable(int firstAddress = 92) {
    std::array<TableEntry, 11> t{};
    int address = firstAddress;
    for (int i = 0; i < 11; ++i) {
        t[i] = {address, SectionRecordSize(i + 1) + 4};
        address += t[i].length;
    }
    return t;
}

// An image of size bytes filled with a recognisable pattern, carrying the given table.
inline QByteArray imageWithTable(const std::array<TableEntry, 11>& table, int size = ImageSize,
                                 int settingsVersion = 3, char fillSeed = 0x11) {
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + fillSeed) & 0xFF);
    image[0] = 11;
    image[1] = char(settingsVersion);
    image[2] = image[3] = 0;
    for (int i = 0; i < 11; ++i) {
        bytes::setU16le(image, SectionAddressOffset(i + 1), std::uint16_t(table[i].address));
        bytes::setU16le(image, SectionLengthOffset(i + 1), std::uint16_t(table[i].length));
    }
    return image;
}
