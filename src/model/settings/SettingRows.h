#pragma once

// The rows of the settings' descriptions, one constant table per page group.
// SettingDescriptions.cpp joins them once, in tab order. Only the descriptions' own
// sources include this.

#include "SettingDescriptions.h"
#include "SettingRules.h"

#include <span>

namespace settingrows {

using enum TSettingKind;
using enum TConv;

// Units the tables share.
inline constexpr TText kPercent{"%", "%"};
inline constexpr TText kVolt{"V", "В"};
inline constexpr TText kDegC{"°C", "°C"};
inline constexpr TText kKmh{"km/h", "км/ч"};
inline constexpr TText kLitre{"L", "л"};
inline constexpr TText kCm{"cm", "см"};
inline constexpr TText kMin{"min", "мин"};
inline constexpr TText kKm{"km", "км"};
inline constexpr TText kHour{"h", "ч"};
inline constexpr TText kDays{"days", "дн."};

std::span<const TSettingDesc> CorrRows();        // tsCorr
std::span<const TSettingDesc> SourceRows();      // tsMeth
std::span<const TSettingDesc> LimitRows();       // tsLim
std::span<const TSettingDesc> DisplayRows();     // tsDisp and its pages
std::span<const TSettingDesc> SoundRows();       // tsVoice and its pages
std::span<const TSettingDesc> AverageRows();     // tsAver
std::span<const TSettingDesc> ParkRows();        // tsPark
std::span<const TSettingDesc> FuelRows();        // tsOil
std::span<const TSettingDesc> MaintenanceRows(); // tsTO, tsBlocks, tsUniMeas

} // namespace settingrows
