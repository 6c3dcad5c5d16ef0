#pragma once

// One row per named field of the eleven section records. The model's defaults, the
// editor's binding, the command-line listing and the tests all read this table.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

enum class FieldType : std::uint8_t {
    U8,
    S8,
    U16,
    S16,
    U32,
    S32,
    U64,
    F32,
    Text,  // characters in the device code page (Windows-1251), zero-terminated
    Bytes, // an opaque named byte range (journal areas and the like)
};

struct FieldDef {
    const char* name;      // as the settings editor's controls name it, without prefix
    std::uint8_t section;  // 1..11
    std::uint16_t offset;  // byte offset of element 0 in the section record
    FieldType type;        // type of one element; for bit fields, the word holding them
    std::uint16_t count;   // element count; for Text and Bytes the length in bytes
    double def;            // default of every element; irregular ones: SectionDefaults.cpp
    std::uint8_t bitShift; // bit fields only: lowest bit inside each element's word
    std::uint8_t bitWidth; // 0 for a whole element, otherwise the width of the bit field
    // The trip computer records these bytes itself while driving (running totals, journals):
    // they are the device's, not settings, and a write keeps the device's own.
    bool deviceRecord = false;

    bool isBitField() const { return bitWidth != 0; }
    int elementCount() const {
        return type == FieldType::Text || type == FieldType::Bytes ? 1 : count;
    }
};

// Width in bytes of one element of the given type (1 for Text and Bytes).
int FieldTypeWidth(FieldType t);
// Bytes the field occupies in its record.
int FieldByteSize(const FieldDef& f);

// Record size of section i (1..11) in bytes.
int SectionRecordSize(int section);
constexpr int SectionCountMax = 11;

// The eleven section records, [0] unused.
using TSectionRecords = std::array<QByteArray, SectionCountMax + 1>;

std::span<const FieldDef> FieldTable();
// nullptr when no field has this name.
const FieldDef* FindField(std::string_view name);
// The field that must exist; an unknown name is a programming error and throws.
const FieldDef& FieldByName(std::string_view name);
