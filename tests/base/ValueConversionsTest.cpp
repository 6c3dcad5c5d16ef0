#include "ValueConversions.h"
#include "Errors.h"

#include <gtest/gtest.h>

TEST(ValueConversions, TwoDigitsAndMinutesText) {
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(123), "123");
    EXPECT_EQ(MinutesToText(605), "10:05");
    EXPECT_EQ(MinutesToText(1500), "01:00");
    EXPECT_EQ(MinutesToText(0), "00:00");
}

TEST(ValueConversions, TextToMinutesAcceptsOnlyTheColonForm) {
    EXPECT_EQ(TextToMinutes("07:30"), 450);
    EXPECT_EQ(TextToMinutes("7:30"), 0);
    EXPECT_EQ(TextToMinutes("25:70"), 1570);
    EXPECT_EQ(TextToMinutes("00:00 extra"), 0);
    EXPECT_THROW(TextToMinutes("7:"), ERangeError);
    EXPECT_THROW(TextToMinutes("07:3"), ERangeError);
    EXPECT_THROW(TextToMinutes("ab:cd"), TError);
    // A blank place of the time mask reads as a leading blank; a trailing one is an error.
    EXPECT_EQ(TextToMinutes(" 7: 5"), 425);
    EXPECT_THROW(TextToMinutes("7 :30"), TError);
    EXPECT_THROW(TextToMinutes("-1:00"), ERangeError);
}

TEST(ValueConversions, DayNumbersAreInverseForYearsOneOnward) {
    EXPECT_EQ(DateToDayNumber(1, 1, 1), 367);
    EXPECT_EQ(DateToDayNumber(29, 2, 4), 1521);
    EXPECT_EQ(DateToDayNumber(1, 1, 0), 2);
    EXPECT_EQ(DateToDayNumber(1, 3, 4), 1522);
    EXPECT_EQ(DateToDayNumber(9, 1, 12), 4392);
    EXPECT_EQ(DayNumberToDate(367), (DayMonthYear{1, 1, 1}));
    EXPECT_THROW(DayNumberToDate(0), ERangeError);
    EXPECT_THROW(DateToDayNumber(31, 12, 255), ERangeError);

    static const int days[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    int previous = 0;
    for (int y = 1; y <= 178; ++y) // the last year whose day numbers fit 16 bits
        for (int mo = 1; mo <= 12; ++mo)
            for (int d = 1; d <= days[y % 4 == 0][mo - 1]; ++d) {
                const int n = DateToDayNumber(d, mo, y);
                ASSERT_EQ(n, previous == 0 ? 367 : previous + 1) << d << "." << mo << "." << y;
                ASSERT_EQ(DayNumberToDate(n), (DayMonthYear{d, mo, y}));
                previous = n;
            }
    // Year 0 agrees up to 30 December; its 31 December meets 1 January of year 1.
    EXPECT_EQ(DayNumberToDate(DateToDayNumber(30, 12, 0)), (DayMonthYear{30, 12, 0}));
    EXPECT_EQ(DateToDayNumber(31, 12, 0), DateToDayNumber(1, 1, 1));
}

TEST(ValueConversions, Rgb565ToColorSpreadsToEightBits) {
    EXPECT_EQ(Rgb565ToColor(0xFFFF), (Rgb8{255, 255, 255}));
    EXPECT_EQ(Rgb565ToColor(0), (Rgb8{0, 0, 0}));
    EXPECT_EQ(Rgb565ToColor(0xF800), (Rgb8{255, 0, 0}));
    EXPECT_EQ(Rgb565ToColor(0x07E0), (Rgb8{0, 255, 0}));
    EXPECT_EQ(Rgb565ToColor(0x001F), (Rgb8{0, 0, 255}));
}

TEST(ValueConversions, FiveBitEditingOfColourWords) {
    EXPECT_EQ(PackColor(31, 0, 0), 0xF800);
    EXPECT_EQ(PackColor(0, 31, 0), 0x07E0); // the lowest green bit fills bit 5
    EXPECT_EQ(PackColor(0, 30, 0), 0x0780);
    EXPECT_EQ(PackColor(31, 31, 31), 0xFFFF);
    EXPECT_EQ(UnpackColor(0x0020).g, 0) << "bit 5 alone is below the 5-bit green";
    EXPECT_EQ(Rgb565ToColor(0x0020), (Rgb8{0, 4, 0})) << "but the screen still shows it";
    EXPECT_EQ(PackColor(32 + 1, 0, 0), PackColor(1, 0, 0)) << "channels are masked to 5 bits";
}

TEST(ValueConversions, ServiceDatesAsTextsAndCalendarDays) {
    EXPECT_EQ(TextToDayNumber("01.03.04"), 1522);
    EXPECT_EQ(TextToDayNumber("01.01.05"), 1828);
    EXPECT_EQ(DayNumberToText(4392), "09.01.12");
    EXPECT_THROW(TextToDayNumber("01.01."), TError);
    EXPECT_THROW(TextToDayNumber("01.ab.05"), TError);
    for (QDate d(2001, 1, 1); d.year() <= 2099; d = d.addDays(1)) {
        const std::uint16_t n = CalendarDayToDayNumber(d);
        ASSERT_EQ(TextToDayNumber(DayNumberToText(n)), n) << qPrintable(d.toString());
        ASSERT_EQ(DayNumberToText(n), d.toString("dd.MM.yy"));
        ASSERT_EQ(DayNumberToCalendarDay(n).date, d);
    }
    // Numbers that name no day of 2000..2099 show the nearest one, marked.
    EXPECT_EQ(DayNumberToCalendarDay(0).date, QDate(2000, 1, 1));
    EXPECT_FALSE(DayNumberToCalendarDay(1).exact);
    EXPECT_TRUE(DayNumberToCalendarDay(2).exact);
    EXPECT_EQ(DayNumberToCalendarDay(70000).date, QDate(2099, 12, 31));
    EXPECT_FALSE(DayNumberToCalendarDay(CalendarDayToDayNumber(QDate(2099, 12, 31)) + 1).exact);
    EXPECT_THROW(CalendarDayToDayNumber(QDate(2100, 1, 1)), ERangeError);
    EXPECT_THROW(CalendarDayToDayNumber(QDate()), ERangeError);
}
