#pragma once

// Small pure conversions between stored setting values and the texts and colours shown.
// Day numbers count days from a base year 0 (two-digit years: 2000 + year); times of day
// are minutes since midnight. Range errors raise ERangeError ("Range check error").

#include "Rgb565.h" // Rgb565ToColor lives with the colour type

#include <QDate>
#include <QString>
#include <cstdint>

struct DayMonthYear {
    int day = 0, month = 0, year = 0;
    bool operator==(const DayMonthYear&) const = default;
};

QString TwoDigits(std::uint16_t n);
QString MinutesToText(std::uint16_t minutes);
std::uint16_t TextToMinutes(const QString& s);
std::uint16_t DateToDayNumber(int day, int month, int year);
DayMonthYear DayNumberToDate(std::uint16_t n);
// A day number as the maintenance page shows it: "dd.mm.yy".
QString DayNumberToText(std::uint16_t n);
// Characters 1-2, 4-5 and 7-8 of the text as day, month and year (each 0..255, else
// ERangeError; text that is not a number raises the integer conversion error).
std::uint16_t TextToDayNumber(const QString& text);

// Day numbers against the calendar of the years 2000..2099, which the two-digit year
// covers. A stored number that names no day of those years (0, 1, or past 31.12.2099)
// gives the nearest day that it does, marked inexact.
struct CalendarDay {
    QDate date;
    bool exact = true;
};
constexpr int DayNumberBaseYear = 2000;
constexpr int DayNumberLastYear = 2099;
CalendarDay DayNumberToCalendarDay(std::uint32_t n);
// Dates outside 2000..2099 (and invalid ones) raise ERangeError.
std::uint16_t CalendarDayToDayNumber(const QDate& date);
