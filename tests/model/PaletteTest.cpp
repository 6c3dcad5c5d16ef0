#include "ByteAccess.h"
#include "ColorSchemes.h"
#include "Errors.h"
#include "Pars32H.h"
#include "Rgb565.h"

#include <gtest/gtest.h>

TEST(ColourPacking, PackAndUnpackAreInverseOverAllFiveBitValues) {
    EXPECT_EQ(PackColor(31, 31, 31), 0xFFFF);
    EXPECT_EQ(PackColor(0, 1, 0), 0x0060);
    EXPECT_EQ(PackColor(31, 0, 0), 0xF800);
    EXPECT_EQ(PackColor(0, 0, 31), 0x001F);
    for (int r = 0; r < 32; ++r)
        for (int g = 0; g < 32; ++g)
            for (int b = 0; b < 32; ++b)
                ASSERT_EQ(UnpackColor(PackColor(r, g, b)), (Rgb5{r, g, b}));
}

TEST(DefaultPalettes, BothVariantsAndTheirPlaceInSectionNine) {
    TMK m;
    auto colour = [](const QByteArray& s, int i) { return UnpackColor(bytes::u16le(s, 2 * i)); };
    auto roles = [](const QByteArray& s) {
        std::vector<int> r;
        for (int i = 32; i <= 40; ++i)
            r.push_back(std::uint8_t(s[i]));
        return r;
    };
    m.MakeDefaultPalettes(false);
    EXPECT_EQ(colour(m.PaletteA, 1), (Rgb5{0, 9, 9}));
    EXPECT_EQ(colour(m.PaletteA, 15), (Rgb5{31, 31, 31}));
    EXPECT_EQ(colour(m.PaletteB, 1), (Rgb5{3, 12, 12}));
    EXPECT_EQ(colour(m.PaletteB, 15), (Rgb5{13, 13, 22}));
    EXPECT_EQ(roles(m.PaletteA), (std::vector<int>{15, 4, 11, 12, 15, 15, 9, 10, 10}));
    EXPECT_EQ(roles(m.PaletteB), (std::vector<int>{7, 0, 11, 4, 3, 6, 1, 15, 0}));
    EXPECT_EQ(m.PaletteA.size(), 44);

    const QByteArray plainA = m.PaletteA;
    m.MakeDefaultPalettes(true);
    EXPECT_EQ(m.PaletteA.left(32), plainA.left(32)) << "same colours in scheme A";
    EXPECT_EQ(roles(m.PaletteA), (std::vector<int>{10, 4, 11, 12, 14, 14, 7, 11, 0}));
    EXPECT_EQ(colour(m.PaletteB, 8), (Rgb5{5, 1, 0}));
    EXPECT_EQ(colour(m.PaletteB, 11), (Rgb5{21, 21, 21}));
    EXPECT_EQ(roles(m.PaletteB), (std::vector<int>{7, 0, 11, 0, 0, 15, 1, 12, 0}));

    TMK fresh;
    EXPECT_EQ(fresh.Section(9).mid(80, 44), fresh.PaletteA);
    EXPECT_EQ(fresh.Section(9).mid(124, 44), fresh.PaletteB);
}

TEST(ColourSchemeEdits, OnlyThePaletteAndTheTwoSchemesCanBeAddressed) {
    TMK m;
    SetPaletteColour(m, 1, 15, Rgb565(0x1234));
    EXPECT_EQ(bytes::u16le(m.Section(9), SchemeOffset(1) + 30), 0x1234);
    SetRolePaletteIndex(m, 1, TColourRole::DigitBottomPanel, 15);
    EXPECT_EQ(m.Section(9)[SchemeOffset(1) + 40], 15);
    const QByteArray before = m.Section(9);
    EXPECT_THROW(SetPaletteColour(m, 2, 0, Rgb565(1)), ERangeError);
    EXPECT_THROW(SetPaletteColour(m, 0, 16, Rgb565(1)), ERangeError);
    EXPECT_THROW(SetRolePaletteIndex(m, 0, TColourRole::DigitFrame, 16), ERangeError);
    EXPECT_THROW(SetRolePaletteIndex(m, -1, TColourRole::DigitFrame, 1), ERangeError);
    EXPECT_EQ(m.Section(9), before);
}
