#pragma once

// The measured parameters the trip computer can show (numbers 1..65, no 40). Settings
// bytes that choose what a screen shows hold these numbers. Values are integers in units
// of 10^-Decimals of the shown unit; texts are in the language current at build time.

#include "DeviceModels.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TMeasParBase {
public:
    virtual ~TMeasParBase() = default;

    QString ClassName; // e.g. "TTemperAir"; tells the two kinds of parameter 11 apart
    std::uint8_t Number = 0;
    int Attr1 = 0; // non-zero: previews draw a scale bar from MinText to MaxText
    int Attr2 = 0;
    int Attr3 = 0;
    int DefaultValue = 0;
    int MinValue = 0;
    int MaxValue = 100;
    int AltMin = 0; // alternative range, whole units of AltUnit
    int AltMax = 100;
    int Width = 3; // character positions of the value
    int Decimals = 0;
    QString Name;
    QString DefaultText; // DefaultValue as a raw integer right-aligned in Width characters
    QString NameUnit;
    QString MinText, MaxText; // made by PrepareData
    QString ShortName, ShortUnit;
    QString MidName, MidUnit;
    QString MidNameUnit;
    QString AltName, AltUnit;
    QString Caption;
    bool Flag1 = false;
    bool Flag2 = false;

    // Fills MinText and MaxText from the range; previews call it before drawing.
    virtual void PrepareData();
};

// Momentary consumption per 100 km: its preview scale runs to 80.0 whatever its range.
class TMomentaryExpenseK : public TMeasParBase {
public:
    void PrepareData() override;
};

// The parameters in the order the editor lists them; owned by the settings model.
class TMeasParList {
public:
    // Empties the list and creates every parameter for a model with these capabilities.
    void Build(const TDeviceCaps& caps);

    int Count() const { return int(items_.size()); }
    TMeasParBase* At(int i) const { return items_.at(std::size_t(i)).get(); }
    // The first parameter with this number, or nullptr.
    TMeasParBase* Find(int number) const;

private:
    std::vector<std::unique_ptr<TMeasParBase>> items_;
};

// `value` in units of 10^-decimals printed with that many decimals ("-84.0").
QString FormatScaled(int value, int decimals);
