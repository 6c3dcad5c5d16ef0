// The descriptions of the settings against the field table and the device models: what a
// typo in a row would break is found here, before any page is built.

#include "SettingDescriptions.h"
#include "DeviceModels.h"
#include "FieldAccess.h"
#include "Language.h"
#include "Pars32H.h"
#include "SettingPages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

// Defaults the device's own table gives outside the range the editor offers (a fresh model
// shows them at the range's edge until the user changes them).
const std::set<std::string> kDefaultsOutsideTheRange = {
    "VelMinForExp",     "ForsCoefCarb",       "K100Manual",         "HybrVentSpeedStep",
    "AddCoolingTemper", "ElEngTemperLimit",   "HVBTemperLimit",     "SayEconomPeriod",
    "SayParamPeriod",   "ParkProbesQntReal0", "ParkProbesQntReal1", "ParkSense0",
    "ParkSense1",       "ParkSpeed0",         "ParkSpeed1",         "ParkMinLeng0",
    "ParkMinLeng1",     "ParkStopLeng0",      "ParkStopLeng1",      "ParkStopLengBeep",
};

// Shown -> stored -> shown for one value, through the field's own width.
double RoundTrip(const TSettingDesc& s, const TFieldRef& ref, double shown) {
    QByteArray record(SectionRecordSize(ref.field->section), '\0');
    const double stored = ShownToStored(s.conv, shown);
    if (ref.field->type == FieldType::F32) {
        WriteFieldNumber(record, *ref.field, ref.index, stored);
        return StoredToShown(s.conv, ReadFieldNumber(record, *ref.field, ref.index));
    }
    WriteFieldInt(record, *ref.field, ref.index, std::int64_t(RoundHalfEven(stored)));
    return StoredToShown(s.conv, double(ReadFieldInt(record, *ref.field, ref.index)));
}

} // namespace

TEST(SettingDescriptions, EveryRowNamesAFieldAPageAndARangeItsFieldHolds) {
    EnglishVersion = true;
    const TMK model;
    std::set<std::string> names;
    for (const TSettingDesc& s : SettingDescriptions()) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(names.insert(s.name).second) << "a second row of that name";
        ASSERT_TRUE(s.page && FindSettingPage(s.page)) << "no page";
        EXPECT_TRUE(*s.caption.en && *s.caption.ru);
        for (int k = 0; k < s.count; ++k) {
            const TFieldRef ref = SettingField(s, k);
            ASSERT_TRUE(ref.field) << "element " << k << " leads to no field";
            if (s.kind == TSettingKind::Flag && ref.bit < 0) {
                EXPECT_TRUE(ref.field->isBitField() || FieldTypeWidth(ref.field->type) == 1);
            }
        }
        const TFieldRef ref = SettingField(s);
        if (s.kind == TSettingKind::List) {
            EXPECT_TRUE(!s.items.empty() || s.itemsOf) << "a list without items";
        }
        if (s.kind != TSettingKind::Number || s.elementCaption) continue;
        ASSERT_LT(s.min, s.max);
        ASSERT_GT(s.step, 0);
        // The edges come back as they were shown.
        for (double shown : {s.min, s.max, s.min + s.step})
            EXPECT_NEAR(RoundTrip(s, ref, shown), shown, 1e-6) << shown;
        // A fresh model's value lies in the range, but for the defaults the device sets so.
        const double def = StoredToShown(
            s.conv, ReadFieldNumber(model.Section(ref.field->section), *ref.field, ref.index));
        if (!kDefaultsOutsideTheRange.count(s.name)) {
            EXPECT_GE(def, s.min);
            EXPECT_LE(def, s.max);
        } else {
            EXPECT_TRUE(def < s.min || def > s.max) << "listed apart, yet in the range";
        }
    }
    EXPECT_GT(names.size(), 150u);
}

// Two rows may share a field element only where the device model or the protocol decides
// which one it is; every device model and protocol offers at most one of them.
TEST(SettingDescriptions, EachElementHasOneOfferedMeaningOnEveryDevice) {
    EnglishVersion = true;
    TMK model;
    for (std::uint16_t type : DeviceTypeCodes()) {
        model.DeviceVersion = type;
        model.SelectCapabilities(type, 0, 0);
        for (int position = 0; position < model.Prots.Count(); ++position) {
            model.Prots.SetCurrent(position);
            const TSettingContext c = SettingContextOf(model);
            std::map<std::tuple<const FieldDef*, int, int>, std::string> offered;
            for (const TSettingDesc& s : SettingDescriptions()) {
                if (!SettingOffered(s, c)) continue;
                for (int k = 0; k < s.count; ++k) {
                    const TFieldRef ref = SettingField(s, k);
                    const auto [it, fresh] =
                        offered.emplace(std::tuple{ref.field, ref.index, ref.bit}, s.name);
                    EXPECT_TRUE(fresh) << std::hex << type << " #" << position << ": " << s.name
                                       << " and " << it->second;
                }
            }
        }
    }
}
