#include "SettingRules.h"

#include "DeviceModels.h"
#include "Pars32H.h"
#include "ProtocolWording.h"
#include "ProtsH.h"
#include "SettingLists.h"

TSettingContext SettingContextOf(const TMK& model) {
    const TProtBase* prot = model.Prots.Current();
    return {model, model.Caps(), prot, DeliversEcuData(prot)};
}

namespace offer {

namespace {

// No current entry (a stored protocol beyond the list) offers nothing of a protocol's own.
bool Prot(const TSettingContext& c, bool TProtBase::*flag) {
    return c.prot && c.prot->*flag;
}

bool OptionCaptioned(const TSettingContext& c, int k) {
    return c.prot && !c.prot->SubtypeCaption[std::size_t(k)].isEmpty();
}

} // namespace

// clang-format off
bool Park(const TSettingContext& c)           { return !c.caps.CapNoPark; }
bool UniOrTrim(const TSettingContext& c)      { return c.caps.CapUniInput || c.caps.CapTrim; }
bool AddSystems(const TSettingContext& c)     { return c.caps.CapAddSystems; }
bool Gas(const TSettingContext& c)            { return !c.caps.CapNoGas; }
bool GasMeth(const TSettingContext& c)        { return !c.caps.CapNoGas && !c.caps.CapNoGasMeth; }
bool JamStats(const TSettingContext& c)       { return !c.caps.CapNoJamStats; }
bool Lights(const TSettingContext& c)         { return !c.caps.CapNoLights; }
bool LightsFromEcu(const TSettingContext& c)  { return Lights(c) && Prot(c, &TProtBase::LightsOptions); }
bool AirTemp(const TSettingContext& c)        { return !c.caps.CapNoAirTemp; }
bool AirAlgorithm(const TSettingContext& c)   { return !c.caps.CapNoAirTemp && !c.caps.CapPowerReserve; }
bool AirSource(const TSettingContext& c)      { return AirTemp(c) && Prot(c, &TProtBase::AirTemperMethod); }
bool LowBeam(const TSettingContext& c)        { return c.caps.CapLowBeam; }
bool Taximeter(const TSettingContext& c)      { return c.caps.CapTaximeter; }
bool Vag(const TSettingContext& c)            { return c.caps.CapVAG; }
bool Trim(const TSettingContext& c)           { return c.caps.CapTrim; }
bool AtOil(const TSettingContext& c)          { return Prot(c, &TProtBase::AtOilTemp); }
bool EngOil(const TSettingContext& c)         { return Prot(c, &TProtBase::EngOilTemp); }
bool Fan(const TSettingContext& c)            { return Prot(c, &TProtBase::FanControl); }
// Without engine data the device measures these itself, so the user must say how.
bool Methods(const TSettingContext& c)        { return Prot(c, &TProtBase::MethodChoices) || !c.ecuData; }
bool Hybrid(const TSettingContext& c)         { return Prot(c, &TProtBase::Hybrid); }
bool HybridCooling(const TSettingContext& c)  { return Hybrid(c) && Prot(c, &TProtBase::HybridCooling); }
bool Coolant(const TSettingContext& c)        { return CoolantWordingFor(c.prot).coolantLimit; }
bool Ready(const TSettingContext& c)          { return CoolantWordingFor(c.prot).warmUpLimit; }
bool Timing(const TSettingContext& c)         { return CoolantWordingFor(c.prot).accelerationRows; }
bool Retarder(const TSettingContext& c)       { return c.prot && c.prot->Code == ProtCodeJ1939; }
bool Voice(const TSettingContext& c)          { return !c.caps.CapNoVoice; }
bool ServiceCounter(const TSettingContext& c) { return c.caps.CapTSCounter; }
bool AirFilterCounter(const TSettingContext& c) { return !c.caps.CapTSCounter; }
// The hybrid drives run their engine's coolant pump electrically and report when it fails.
bool EnginePump(const TSettingContext& c)     { return Hybrid(c); }
bool PumpOrWater(const TSettingContext& c)    { return EnginePump(c) || (c.prot && c.prot->Code == ProtCodeOutboardNoData); }
bool SootFilter(const TSettingContext& c)     { return c.caps.CapVAG && !PumpOrWater(c); }
bool ManualProtocol(const TSettingContext& c) { return IsManualProtocolMethod(c); }
bool ProtocolOption0(const TSettingContext& c) { return OptionCaptioned(c, 0); }
bool ProtocolOption1(const TSettingContext& c) { return OptionCaptioned(c, 1); }
bool ProtocolOption2(const TSettingContext& c) { return OptionCaptioned(c, 2); }
bool ProtocolOption3(const TSettingContext& c) { return OptionCaptioned(c, 3); }
bool ProtocolOption4(const TSettingContext& c) { return OptionCaptioned(c, 4); }
bool ProtocolOption5(const TSettingContext& c) { return OptionCaptioned(c, 5); }
bool ProtocolOption6(const TSettingContext& c) { return OptionCaptioned(c, 6); }
bool ProtocolOption7(const TSettingContext& c) { return OptionCaptioned(c, 7); }
// clang-format on

} // namespace offer
