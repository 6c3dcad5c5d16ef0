#pragma once

// The soak's edits: a few random fields of the decoded sections changed the way the editor
// and tripconf-cli set change them, and the device memory a completed write must leave.

#include <QByteArray>
#include <random>

class TMK;

constexpr int MaxEditsPerCycle = 4;

// Changes up to MaxEditsPerCycle random settings fields of the field table (any section, any
// type, not the device's own records) in the model's decoded records.
void EditRandomFields(TMK& model, std::mt19937& rng);

// The device memory (8192 bytes, by device address) after a write of the model's sections
// into memoryBefore: each section's record, as much as its table length allows, at the
// address its table entry gives; every other byte as it was.
QByteArray ExpectedMemory(const QByteArray& memoryBefore, const TMK& model);
