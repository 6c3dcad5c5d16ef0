#pragma once

// Small pure conversions between stored setting values and the texts and colours shown.
// Day numbers count days from a base year 0 (two-digit years: 2000 + year); times of day
// are minutes since midnight. Range errors raise ERangeError ("Range check error").

#include "Rgb565.h" // Rgb565ToColor lives with the colour type

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
