#include "DeviceAddressMap.h"

#include <gtest/gtest.h>

TEST(DeviceAddressMap, EachHalfHasItsOwnOffsetAndBlocks0And128HaveNone) {
    const std::pair<int, std::optional<int>> cases[] = {
        {-1, std::nullopt}, {0, std::nullopt},    {31, std::nullopt},   {32, 0},
        {4095, 4063},       {4096, std::nullopt}, {4127, std::nullopt}, {4128, 4064},
        {8191, 8127},       {8192, std::nullopt},
    };
    for (const auto& [address, offset] : cases) {
        EXPECT_EQ(ImageOffset(address), offset) << address;
        if (offset) {
            EXPECT_EQ(DeviceAddressOf(*offset), address) << address;
        }
    }
    EXPECT_EQ(DeviceAddressOf(-1), std::nullopt);
    EXPECT_EQ(DeviceAddressOf(ImageSize), std::nullopt);
    for (int offset = 0; offset < ImageSize; ++offset)
        ASSERT_EQ(ImageOffset(*DeviceAddressOf(offset)), offset) << offset;
}

TEST(DeviceAddressMap, ASectionMustLieWholeInOneHalf) {
    EXPECT_EQ(SectionSpan(4000, 96), (ImageSpan{3968, 96})); // last byte 4095
    EXPECT_EQ(SectionSpan(4000, 97), std::nullopt);          // crosses into 4096
    EXPECT_EQ(SectionSpan(4090, 100), std::nullopt);         // would land on 4128 on
    EXPECT_EQ(SectionSpan(4200, 860), (ImageSpan{4136, 860}));
    EXPECT_EQ(SectionSpan(8100, 92), (ImageSpan{8036, 92})); // last byte 8191
    EXPECT_EQ(SectionSpan(8100, 93), std::nullopt);          // past the memory
    EXPECT_EQ(SectionSpan(4095, 0), (ImageSpan{4063, 0}));
    EXPECT_EQ(SectionSpan(31, 0), std::nullopt);
    EXPECT_EQ(SectionSpan(4096, 0), std::nullopt);
    EXPECT_EQ(SectionSpan(100, -1), std::nullopt);
}
