#include "JournalNumbers.h"

#include <QLocale>

namespace journals::numbers {

namespace {

QString DecimalPoint() {
    return QLocale().decimalPoint();
}

} // namespace

QString Scaled(std::int64_t value, int decimals) {
    if (decimals <= 0) return QString::number(value);
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // Magnitude in unsigned arithmetic, so the most negative value has one too.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / scale);
    text += DecimalPoint();
    text += QStringLiteral("%1").arg(magnitude % scale, decimals, 10, QLatin1Char('0'));
    return text;
}

QString Fixed(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (decimals > 0) text.replace(QLatin1Char('.'), DecimalPoint());
    return text;
}

std::uint64_t RoundHalfEven(std::uint64_t numerator, std::uint64_t denominator) {
    std::uint64_t q = numerator / denominator;
    const std::uint64_t r = numerator % denominator;
    // Compare 2r with the denominator without overflowing.
    if (r > denominator - r || (r == denominator - r && q % 2 == 1)) ++q;
    return q;
}

} // namespace journals::numbers
