#include "ValueConversions.h"

#include "Errors.h"
#include "ShortText.h"

namespace {

constexpr int MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                  {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

int monthLength(int month, int year) {
    return MonthDays[year % 4 == 0 ? 1 : 0][month - 1];
}

// Integer division truncating toward zero, as the device firmware counts leap days.
int leapDaysBefore(int year) {
    return (year - 1) / 4;
}

// Decimal text as an integer parser reads it: leading blanks (an empty place of a masked
// edit) and a sign are allowed, anything else that is not an ASCII digit is an error.
int parseDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    if (i == text.size())
        throw TError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    int v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            throw TError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        v = v * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -v : v;
}

} // namespace

QString TwoDigits(std::uint16_t n) {
    return TShortText().number(n, 2).text();
}

QString MinutesToText(std::uint16_t minutes) {
    return TShortText().number((minutes / 60) % 24, 2).add(':').number(minutes % 60, 2).text();
}

std::uint16_t TextToMinutes(const QString& s) {
    if (s.size() < 3) throw ERangeError();
    if (s[2] != u':') return 0;
    if (s.size() < 5) throw ERangeError();
    const int total = parseDecimal(s.mid(0, 2)) * 60 + parseDecimal(s.mid(3, 2));
    if (total < 0 || total >= 65536) throw ERangeError();
    return static_cast<std::uint16_t>(total);
}

std::uint16_t DateToDayNumber(int day, int month, int year) {
    if (day < 0 || day > 255 || month < 0 || month > 255 || year < 0 || year > 255)
        throw ERangeError();
    int n = year * 365 + leapDaysBefore(year) + day + 1;
    for (int m = 1; m < month && m <= 12; ++m)
        n += monthLength(m, year);
    if (month > 13) // months past December would index past the table
        throw ERangeError();
    if (n >= 65536) throw ERangeError();
    return static_cast<std::uint16_t>(n);
}

DayMonthYear DayNumberToDate(std::uint16_t n) {
    if (n == 0) throw ERangeError();
    const int year = ((n - 1) * 4) / 1461;
    int r = (n - 1) - year * 365 - leapDaysBefore(year);
    int month = 1;
    while (month < 12 && monthLength(month, year) < r) {
        r -= monthLength(month, year);
        ++month;
    }
    return {r, month, year};
}

QString DayNumberToText(std::uint16_t n) {
    const DayMonthYear d = DayNumberToDate(n);
    return TShortText()
        .number(std::uint16_t(d.day), 2)
        .add('.')
        .number(std::uint16_t(d.month), 2)
        .add('.')
        .number(std::uint16_t(d.year), 2)
        .text();
}

std::uint16_t TextToDayNumber(const QString& text) {
    const int day = parseDecimal(text.mid(0, 2));
    const int month = parseDecimal(text.mid(3, 2));
    const int year = parseDecimal(text.mid(6, 2));
    return DateToDayNumber(day, month, year);
}

CalendarDay DayNumberToCalendarDay(std::uint32_t n) {
    const std::uint32_t first = DateToDayNumber(1, 1, 0);
    const std::uint32_t last = DateToDayNumber(31, 12, DayNumberLastYear - DayNumberBaseYear);
    if (n < first) return {QDate(DayNumberBaseYear, 1, 1), false};
    if (n > last) return {QDate(DayNumberLastYear, 12, 31), false};
    const DayMonthYear d = DayNumberToDate(std::uint16_t(n));
    return {QDate(DayNumberBaseYear + d.year, d.month, d.day), true};
}

std::uint16_t CalendarDayToDayNumber(const QDate& date) {
    if (!date.isValid() || date.year() < DayNumberBaseYear || date.year() > DayNumberLastYear)
        throw ERangeError();
    return DateToDayNumber(date.day(), date.month(), date.year() - DayNumberBaseYear);
}
