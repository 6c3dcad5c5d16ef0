#include "JournalNumbers.h"

#include "ShortText.h"

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
    TShortText whole, fraction;
    if (value < 0) whole.add('-');
    whole.number(magnitude / scale);
    fraction.number(magnitude % scale, decimals);
    const QString point = DecimalPoint();
    QString text;
    text.reserve(whole.view().size() + point.size() + fraction.view().size());
    text += whole.view();
    text += point;
    text += fraction.view();
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
