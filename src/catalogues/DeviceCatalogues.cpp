// Which master-list entries each device model offers, the parameters a model adds to
// every entry, and the additional-system units of the entries.

#include "ProtEntryDefs.h"

#include <algorithm>
#include <iterator>

namespace prot {
namespace {

constexpr int MaxCodesPerRow = 6;
constexpr int MaxRangesPerRow = 12;

struct Range {
    std::uint8_t first, last; // master numbers, inclusive; {0, 0} ends the list
};

struct CatalogueRow {
    std::uint16_t codes[MaxCodesPerRow]; // device type codes sharing the catalogue
    Range ranges[MaxRangesPerRow];
};

// clang-format off
constexpr CatalogueRow Catalogues[] = {
    {{0x4000, 0x4010, 0x4020, 0x4100, 0x4110, 0x4120}, {{41, 41}, {44, 45}, {50, 50}, {73, 73}}},
    {{0x4200, 0x4210, 0x4300, 0x4310}, {{2, 2}, {32, 32}, {41, 41}, {44, 45}, {50, 50}, {73, 73}}},
    {{0x4400, 0x4500}, {{4, 7}, {25, 28}, {32, 32}, {39, 50}, {74, 76}}},
    {{0x4600, 0x4610, 0x4700, 0x4710}, {{1, 7}, {25, 28}, {32, 32}, {36, 50}, {55, 55}, {70, 70}, {74, 76}, {91, 92}, {106, 107}}},
    {{0x4800, 0x4810}, {{1, 1}, {3, 7}, {25, 28}, {32, 32}, {36, 50}, {55, 55}, {70, 70}, {74, 77}, {91, 92}, {106, 107}}},
    {{0x5000}, {{40, 41}, {99, 99}, {101, 105}, {108, 109}, {111, 111}}},
    {{0x5100}, {{40, 40}, {52, 52}, {74, 76}, {99, 100}, {111, 111}}},
    {{0x5200}, {{40, 40}, {99, 99}, {101, 105}, {109, 111}}},
    {{0x5800}, {{39, 43}, {46, 47}, {74, 78}, {99, 99}, {101, 105}, {108, 111}}},
    {{0x8000, 0x8001}, {{1, 7}, {22, 51}, {53, 72}, {74, 97}, {106, 107}, {111, 111}}},
    {{0x8080}, {{7, 21}, {26, 26}}},
    {{0x8100}, {{1, 7}, {23, 27}, {32, 51}, {53, 53}, {55, 55}, {74, 76}, {91, 92}, {98, 98}, {106, 107}, {111, 111}}},
    {{0x8180}, {{7, 21}, {26, 26}, {98, 98}}},
    {{0x8200}, {{1, 1}, {3, 7}, {22, 51}, {53, 72}, {74, 97}, {106, 107}, {111, 111}}},
};
// clang-format on

constexpr int MaxExtraParams = 4;

struct ExtraParamsRow {
    std::uint16_t code;
    std::uint8_t params[MaxExtraParams]; // ended by 0
};

// Fuel economy in km/l, drive trim, pitch and roll.
constexpr ExtraParamsRow ExtraParams[] = {
    {0x5000, {65, 62}},
    {0x5100, {55, 56}},
    {0x5200, {65, 55, 56}},
    {0x5800, {65, 62, 55, 56}},
};

constexpr std::uint8_t M74CanBlocks[] = {8,  10, 11, 15, 25, 27, 77, 28, 29, 30, 36,
                                         37, 55, 56, 57, 58, 59, 60, 76, 83, 90};

struct BlocksRow {
    int number;
    std::span<const std::uint8_t> blocks;
};

// Only the units of these entries are known so far; the others query none.
constexpr BlocksRow Blocks[] = {
    {1, M74CanBlocks},
};

template <std::size_t N> std::span<const std::uint8_t> UntilZero(const std::uint8_t (&a)[N]) {
    const auto* end = std::find(std::begin(a), std::end(a), std::uint8_t(0));
    return {std::begin(a), end};
}

} // namespace

std::vector<std::uint8_t> ModelEntries(std::uint16_t deviceType) {
    std::vector<std::uint8_t> numbers;
    for (const CatalogueRow& row : Catalogues) {
        // Zero pads the code lists, so it must never match.
        if (deviceType == 0 || std::find(std::begin(row.codes), std::end(row.codes), deviceType) ==
                                   std::end(row.codes))
            continue;
        for (const Range& r : row.ranges)
            for (int n = r.first; n != 0 && n <= r.last; ++n)
                numbers.push_back(std::uint8_t(n));
        break;
    }
    return numbers;
}

std::span<const std::uint8_t> ModelExtraParams(std::uint16_t deviceType) {
    for (const ExtraParamsRow& row : ExtraParams)
        if (row.code == deviceType) return UntilZero(row.params);
    return {};
}

std::span<const std::uint8_t> MasterBlocks(int number) {
    for (const BlocksRow& row : Blocks)
        if (row.number == number) return row.blocks;
    return {};
}

} // namespace prot
