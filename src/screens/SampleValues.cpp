#include "SampleValues.h"

#include "Language.h"
#include "MeasParsH.h"

#include <QLatin1StringView>
#include <algorithm>

namespace {

enum class SampleKind { Number, Clock, Word };

// Values that read better than the parameter's default (many defaults are 0). Numbers in
// units of 10^-Decimals; clocks in minutes.
struct Sample {
    const char* className;
    SampleKind kind;
    int value;
    TText word;
};

// clang-format off
constexpr Sample Samples[] = {
    {"TTripTime",              SampleKind::Clock,  85,  {}},
    {"TTripPath",              SampleKind::Number, 124, {}},
    {"TTripExpense",           SampleKind::Number, 11,  {}},
    {"TTripMomentaryExpenseK", SampleKind::Number, 9,   {}},
    {"TTripPrice",             SampleKind::Number, 540, {}},
    {"TTime",                  SampleKind::Clock,  750, {}},
    {"TMomentaryExpenseK",     SampleKind::Number, 86,  {}},
    {"TMomentaryExpenseH",     SampleKind::Number, SampleConsumptionPerHour, {}},
    {"TLightsFlag",            SampleKind::Word,   0,   {"On", "Вкл"}},
    {"TLightsFlag1",           SampleKind::Word,   0,   {"On", "Вкл"}},
    {"TAKPPMode",              SampleKind::Word,   0,   {"D", "D"}},
    {"TCourseAngle",           SampleKind::Number, 3,   {}},
    {"TSideAngle",             SampleKind::Number, -1,  {}},
    {"TTemperEngBoat",         SampleKind::Number, 85,  {}},
    {"TTemperWat",             SampleKind::Number, 18,  {}},
    {"TTemperCyl",             SampleKind::Number, 120, {}},
    {"TTemperCylLeft",         SampleKind::Number, 118, {}},
    {"TTemperCylRight",        SampleKind::Number, 121, {}},
    {"TTrim",                  SampleKind::Number, 40,  {}},
};
// clang-format on

QString clockText(int minutes) {
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

double fractionOf(const TMeasParBase& p, int value) {
    if (p.MaxValue <= p.MinValue) return 0;
    return std::clamp(double(value - p.MinValue) / double(p.MaxValue - p.MinValue), 0.0, 1.0);
}

} // namespace

TSampleValue SampleValue(const TMeasParBase& p) {
    for (const Sample& s : Samples) {
        if (p.ClassName != QLatin1StringView(s.className)) continue;
        switch (s.kind) {
        case SampleKind::Clock:
            return {clockText(s.value), 0.5};
        case SampleKind::Word:
            return {s.word.text(), 1.0};
        case SampleKind::Number:
            return {FormatScaled(s.value, p.Decimals), fractionOf(p, s.value)};
        }
    }
    return {FormatScaled(p.DefaultValue, p.Decimals), fractionOf(p, p.DefaultValue)};
}
