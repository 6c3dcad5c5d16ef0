// Which pages and controls a device model and its protocol offer. A control listed in
// several rows is shown only when every row allows it. Rows name controls of pages that
// may not exist in this build; those rows are skipped.

#include "ControlBinder.h"
#include "EditorLayout.h"
#include "EditorPageSet.h"
#include "MK_SetParamsH.h"
#include "ProtocolSelection.h"
#include "ProtsH.h"

namespace {

struct TRuleInput {
    const TDeviceCaps& caps;
    const TProtBase& prot;
    bool ecuData;
};
using TRule = bool (*)(const TRuleInput&);

struct TShowRule {
    const char* name;
    TRule shown;
};

constexpr std::uint8_t CodeJ1939 = 0x0E; // trucks: the only protocol with a retarder

// clang-format off
bool Park(const TRuleInput& in)          { return !in.caps.CapNoPark; }
bool UniOrTrim(const TRuleInput& in)     { return in.caps.CapUniInput || in.caps.CapTrim; }
bool AddSystems(const TRuleInput& in)    { return in.caps.CapAddSystems; }
bool Never(const TRuleInput&)            { return false; }
bool Gas(const TRuleInput& in)           { return !in.caps.CapNoGas; }
bool GasMeth(const TRuleInput& in)       { return !in.caps.CapNoGas && !in.caps.CapNoGasMeth; }
bool JamStats(const TRuleInput& in)      { return !in.caps.CapNoJamStats; }
bool Lights(const TRuleInput& in)        { return !in.caps.CapNoLights; }
bool LightsFromEcu(const TRuleInput& in) { return !in.caps.CapNoLights && in.prot.LightsOptions; }
bool AirTemp(const TRuleInput& in)       { return !in.caps.CapNoAirTemp; }
bool AirAlgorithm(const TRuleInput& in)  { return !in.caps.CapNoAirTemp && !in.caps.CapPowerReserve; }
bool AirSource(const TRuleInput& in)     { return !in.caps.CapNoAirTemp && in.prot.AirTemperMethod; }
bool LowBeam(const TRuleInput& in)       { return in.caps.CapLowBeam; }
bool Taximeter(const TRuleInput& in)     { return in.caps.CapTaximeter; }
bool Vag(const TRuleInput& in)           { return in.caps.CapVAG; }
bool Trim(const TRuleInput& in)          { return in.caps.CapTrim; }
bool AtOil(const TRuleInput& in)         { return in.prot.AtOilTemp; }
bool EngOil(const TRuleInput& in)        { return in.prot.EngOilTemp; }
bool Fan(const TRuleInput& in)           { return in.prot.FanControl; }
// Without engine data the device measures these itself, so the user must say how.
bool Methods(const TRuleInput& in)       { return in.prot.MethodChoices || !in.ecuData; }
bool Hybrid(const TRuleInput& in)        { return in.prot.Hybrid; }
bool HybridCooling(const TRuleInput& in) { return in.prot.Hybrid && in.prot.HybridCooling; }
bool Coolant(const TRuleInput& in)       { return CoolantWordingFor(&in.prot).coolantLimit; }
bool Ready(const TRuleInput& in)         { return CoolantWordingFor(&in.prot).warmUpLimit; }
bool Timing(const TRuleInput& in)        { return !in.caps.CapNoVel100 && CoolantWordingFor(&in.prot).accelerationRows; }
bool Retarder(const TRuleInput& in)      { return in.prot.Code == CodeJ1939; }

constexpr TShowRule kPageRules[] = {
    {"tsPark",        Park},
    {"tsUniMeas",     UniOrTrim},
    {"tsBlocks",      AddSystems},
};

constexpr TShowRule kControlRules[] = {
    // gas (LPG)
    {"seGazContFull",       Gas},
    {"cbGasOil",            Gas},
    {"seGazExpenseCorr",    Gas},
    {"sePriceGas",          Gas},
    {"cbResetPeriodOnly",   Gas},
    {"cbShowDisp_S_7",      Gas},
    {"cbShowDisp_S_8",      Gas},
    {"rgGasMeth",           GasMeth},
    {"rgGasCalcExp",        Gas},
    // traffic-jam statistics
    {"seStopVelocityLimit", JamStats},
    {"cbShowDisp_S_4",      JamStats},
    {"cbShowDisp_S_5",      JamStats},
    {"cbShowDisp_S_6",      Taximeter},
    // lights
    {"rgapGabar_F",         Lights},
    {"lapGabar",            Lights},
    {"rgapLights_F",        Lights},
    {"lapLights",           Lights},
    {"rgGabarInvPol",       Lights},
    {"rgGabarType",         LightsFromEcu},
    {"cbLightsOn",          LowBeam},
    // air temperature
    {"seAirTemperCorr",     AirTemp},
    {"rgAirTemperMeth",     AirAlgorithm},
    {"rgAirTemperGetMeth",  AirSource},
    // measurement sources
    {"rgUaccMeth",          Methods},
    {"rgRevolutionsMeth",   Methods},
    {"rgExpenseMeth",       Methods},
    // limits
    {"seLiqTemperLimit",    Coolant},
    {"seLiqTemperReady",    Ready},
    {"seVel100",            Timing},
    {"seVel100Down",        Timing},
    {"seOilAKPPTemperLimit", AtOil},
    {"seCVTFDeteriorLim",   AtOil},
    {"seOilEngTemperLimit", EngOil},
    {"seVentTempLimit",     Fan},
    {"seRetarderOilTemperLimit", Retarder},
    {"seVAGSFilterLimit",   Vag},
    {"seTrimLowLimit",      Trim},
    {"seTrimHighLimit",     Trim},
    {"sgTrimMeth",          Trim},
    // hybrid drive
    {"seHVBTemperLimit",    Hybrid},
    {"seInvTemperLimit",    Hybrid},
    {"seElEngTemperLimit",  Hybrid},
    {"seHybrVentSpeedStep", Hybrid},
    {"cbHybrUse6VentSpeed", Hybrid},
    {"seAddCoolingTemper",  HybridCooling},
    {"cbHybridCoolHVB",     HybridCooling},
    // graphic and pointer displays: no model draws them
    {"GroupBox15",          Never},
    {"GroupBox16",          Never},
    {"rgDispShowArrowMeth", Never},
};
// clang-format on

} // namespace

void TMK_SetParamsDlg::ApplyControlRules() {
    // No current entry (a stored protocol beyond the list) counts as a protocol without
    // engine data and with the default offers.
    static const TProtBase noProtocol(QString(), ProtCodeUniversal, NoFaultCodes);
    const TProtBase* entry = CurrentProt();
    const TRuleInput in{Caps(), entry ? *entry : noProtocol, EcuDataAvailable()};

    for (const auto& page : pages_)
        if (page->Def().tabs) SetPageShown(page->Def().name, true); // until found empty below
    for (const TShowRule& rule : kPageRules)
        SetPageShown(rule.name, rule.shown(in));

    QHash<QString, bool> shown;
    for (const TShowRule& rule : kControlRules) {
        const QString name = QString::fromUtf8(rule.name);
        shown[name] = shown.value(name, true) && rule.shown(in);
    }
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (Binder().IsBound(it.key()))
            Binder().SetShown(it.key(), it.value());
        else if (QWidget* w = findChild<QWidget*>(it.key()))
            w->setVisible(it.value());
    }
    for (const auto& page : pages_)
        page->ApplyRules();
    // A set whose pages are all hidden hides too; inner sets come later in the table.
    for (auto it = pages_.crbegin(); it != pages_.crend(); ++it)
        if (auto* set = dynamic_cast<const TPageSet*>(it->get()); set && !set->AnyPageShown())
            SetPageShown(set->Def().name, false);
    UpdateGroupVisibility(this);
}

void TMK_SetParamsDlg::ApplyRefreshRules() {
    // The parking hot menu exists only on models with parking sensors.
    for (const char* name : {"sghmPark", "lhmPark"})
        if (QWidget* w = findChild<QWidget*>(QString::fromUtf8(name)))
            w->setVisible(!Caps().CapNoPark);
}
