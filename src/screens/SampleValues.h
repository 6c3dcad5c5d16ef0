#pragma once

// Plausible values for the previews: what a running vehicle might show for each measured
// parameter, in the parameter's own format (its decimals; times as h:mm; flags as words).

#include <QString>

class TMeasParBase;

struct TSampleValue {
    QString text;
    // Where the value lies in the parameter's preview scale (MinValue..MaxValue after
    // PrepareData), 0..1.
    double fraction = 0;
};

TSampleValue SampleValue(const TMeasParBase& p);

// The sample of the instant consumption in hundredths of a litre an hour, for the bar.
constexpr int SampleConsumptionPerHour = 240;
