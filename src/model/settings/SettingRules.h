#pragma once

// When a setting or a page is offered: the device model's capabilities and the protocol
// entry's flags, one named rule each. The setting and page tables name them.

#include "SettingContext.h"

namespace offer {

bool Park(const TSettingContext& c);
bool UniOrTrim(const TSettingContext& c);
bool AddSystems(const TSettingContext& c);
bool Gas(const TSettingContext& c);
bool GasMeth(const TSettingContext& c);
bool JamStats(const TSettingContext& c);
bool Lights(const TSettingContext& c);
bool LightsFromEcu(const TSettingContext& c);
bool AirTemp(const TSettingContext& c);
bool AirAlgorithm(const TSettingContext& c); // also the glaze-ice warning
bool AirSource(const TSettingContext& c);
bool LowBeam(const TSettingContext& c);
bool Taximeter(const TSettingContext& c);
bool Vag(const TSettingContext& c);
bool Trim(const TSettingContext& c);
bool AtOil(const TSettingContext& c);
bool EngOil(const TSettingContext& c);
bool Fan(const TSettingContext& c);
bool Methods(const TSettingContext& c);
bool Hybrid(const TSettingContext& c);
bool HybridCooling(const TSettingContext& c);
bool Coolant(const TSettingContext& c);
bool Ready(const TSettingContext& c);
bool Timing(const TSettingContext& c);
bool Retarder(const TSettingContext& c);
bool Voice(const TSettingContext& c);
bool ServiceCounter(const TSettingContext& c);
bool AirFilterCounter(const TSettingContext& c);
// Warning 17 means the soot filter, or where the protocol gives it its own meaning, the
// engine pump or water in the fuel: one byte, one row.
bool SootFilter(const TSettingContext& c);
bool PumpOrWater(const TSettingContext& c);
bool EnginePump(const TSettingContext& c);
// The protocol is chosen by hand (the method list's last item).
bool ManualProtocol(const TSettingContext& c);
// Option list k of the protocol entry has a caption.
bool ProtocolOption0(const TSettingContext& c);
bool ProtocolOption1(const TSettingContext& c);
bool ProtocolOption2(const TSettingContext& c);
bool ProtocolOption3(const TSettingContext& c);
bool ProtocolOption4(const TSettingContext& c);
bool ProtocolOption5(const TSettingContext& c);
bool ProtocolOption6(const TSettingContext& c);
bool ProtocolOption7(const TSettingContext& c);

} // namespace offer
