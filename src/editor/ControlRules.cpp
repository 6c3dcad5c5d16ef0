// Which pages and controls a device model and its protocol offer. A control listed in
// several rows is shown only when every row allows it. Each row names the page holding
// its control and applies once that page is built; the controls of pages the device never
// shows (the graphic and pointer displays) are not built at all, so no row names them.

#include "ControlRules.h"

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

struct TPageRule {
    const char* page;
    TRule shown;
};

struct TShowRule {
    const char* name;
    const char* page; // the page holding the control: the row applies once it is built
    TRule shown;
};

constexpr std::uint8_t CodeJ1939 = 0x0E; // trucks: the only protocol with a retarder

// clang-format off
bool Park(const TRuleInput& in)          { return !in.caps.CapNoPark; }
bool UniOrTrim(const TRuleInput& in)     { return in.caps.CapUniInput || in.caps.CapTrim; }
bool AddSystems(const TRuleInput& in)    { return in.caps.CapAddSystems; }
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

constexpr TPageRule kPageRules[] = {
    {"tsPark",        Park},
    {"tsUniMeas",     UniOrTrim},
    {"tsBlocks",      AddSystems},
};

constexpr TShowRule kControlRules[] = {
    // control                 page          rule
    // gas (LPG)
    {"seGazContFull",           "tsMeth",     Gas},
    {"cbGasOil",                "tsMeth",     Gas},
    {"seGazExpenseCorr",        "tsCorr",     Gas},
    {"sePriceGas",              "tsAver",     Gas},
    {"cbResetPeriodOnly",       "tsAver",     Gas},
    {"cbShowDisp_S_7",          "tsAver",     Gas},
    {"cbShowDisp_S_8",          "tsAver",     Gas},
    {"rgGasMeth",               "tsMeth",     GasMeth},
    {"rgGasCalcExp",            "tsMeth",     Gas},
    // traffic-jam statistics
    {"seStopVelocityLimit",     "tsAver",     JamStats},
    {"cbShowDisp_S_4",          "tsAver",     JamStats},
    {"cbShowDisp_S_5",          "tsAver",     JamStats},
    {"cbShowDisp_S_6",          "tsAver",     Taximeter},
    // lights
    {"rgapGabar_F",             "tsVoiceWarn",Lights},
    {"lapGabar",                "tsVoiceWarn",Lights},
    {"rgapLights_F",            "tsVoiceWarn",Lights},
    {"lapLights",               "tsVoiceWarn",Lights},
    {"rgGabarInvPol",           "tsMeth",     Lights},
    {"rgGabarType",             "tsMeth",     LightsFromEcu},
    {"cbLightsOn",              "tsMeth",     LowBeam},
    // air temperature
    {"seAirTemperCorr",         "tsCorr",     AirTemp},
    {"rgAirTemperMeth",         "tsMeth",     AirAlgorithm},
    {"rgAirTemperGetMeth",      "tsMeth",     AirSource},
    // measurement sources
    {"rgUaccMeth",              "tsMeth",     Methods},
    {"rgRevolutionsMeth",       "tsMeth",     Methods},
    {"rgExpenseMeth",           "tsMeth",     Methods},
    // limits
    {"seLiqTemperLimit",        "tsLim",      Coolant},
    {"seLiqTemperReady",        "tsLim",      Ready},
    {"seVel100",                "tsLim",      Timing},
    {"seVel100Down",            "tsLim",      Timing},
    {"seOilAKPPTemperLimit",    "tsLim",      AtOil},
    {"seCVTFDeteriorLim",       "tsLim",      AtOil},
    {"seOilEngTemperLimit",     "tsLim",      EngOil},
    {"seVentTempLimit",         "tsLim",      Fan},
    {"seRetarderOilTemperLimit","tsLim",      Retarder},
    {"seVAGSFilterLimit",       "tsLim",      Vag},
    {"seTrimLowLimit",          "tsLim",      Trim},
    {"seTrimHighLimit",         "tsLim",      Trim},
    {"sgTrimMeth",              "tsUniMeas",  Trim},
    // hybrid drive
    {"seHVBTemperLimit",        "tsLim",      Hybrid},
    {"seInvTemperLimit",        "tsLim",      Hybrid},
    {"seElEngTemperLimit",      "tsLim",      Hybrid},
    {"seHybrVentSpeedStep",     "tsLim",      Hybrid},
    {"cbHybrUse6VentSpeed",     "tsMeth",     Hybrid},
    {"seAddCoolingTemper",      "tsLim",      HybridCooling},
    {"cbHybridCoolHVB",         "tsMeth",     HybridCooling},
};

// Rows that hold again after every page refresh, which may refill these controls.
constexpr TShowRule kRefreshRules[] = {
    {"sghmPark",                "tsHotMenu",  Park},
    {"lhmPark",                 "tsHotMenu",  Park},
};
// clang-format on

} // namespace

std::vector<TRuleTarget> RuleTargets() {
    std::vector<TRuleTarget> targets;
    for (const TPageRule& rule : kPageRules)
        targets.push_back({rule.page, rule.page});
    for (const auto& table :
         {std::span<const TShowRule>(kControlRules), std::span<const TShowRule>(kRefreshRules)})
        for (const TShowRule& rule : table)
            targets.push_back({rule.name, rule.page});
    return targets;
}

namespace {

// A control listed in several rows is shown only when every row allows it.
void ApplyShowRules(TMK_SetParamsDlg& dlg, std::span<const TShowRule> rules, const TRuleInput& in) {
    QHash<QString, bool> shown;
    for (const TShowRule& rule : rules) {
        if (!dlg.Page(rule.page)) continue;
        const QString name = QString::fromUtf8(rule.name);
        shown[name] = shown.value(name, true) && rule.shown(in);
    }
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        if (dlg.Binder().IsBound(it.key()))
            dlg.Binder().SetShown(it.key(), it.value());
        else if (QWidget* w = dlg.findChild<QWidget*>(it.key()))
            w->setVisible(it.value());
    }
}

// No current entry (a stored protocol beyond the list) counts as a protocol without engine
// data and with the default offers.
TRuleInput RuleInput(TMK_SetParamsDlg& dlg) {
    static const TProtBase noProtocol(QString(), ProtCodeUniversal, NoFaultCodes);
    const TProtBase* entry = dlg.CurrentProt();
    return {dlg.Caps(), entry ? *entry : noProtocol, dlg.EcuDataAvailable()};
}

} // namespace

void TMK_SetParamsDlg::ApplyControlRules() {
    const TRuleInput in = RuleInput(*this);
    for (const auto& page : pages_)
        if (page->Def().tabs) SetPageShown(page->Def().name, true); // until found empty below
    for (const TPageRule& rule : kPageRules)
        SetPageShown(rule.page, rule.shown(in));
    ApplyShowRules(*this, kControlRules, in);
    for (const auto& page : pages_)
        page->ApplyRules();
    // A set whose pages are all hidden hides too; inner sets come later in the table.
    for (auto it = pages_.crbegin(); it != pages_.crend(); ++it)
        if (auto* set = dynamic_cast<const TPageSet*>(it->get()); set && !set->AnyPageShown())
            SetPageShown(set->Def().name, false);
    UpdateGroupVisibility(this);
}

void TMK_SetParamsDlg::ApplyRefreshRules() {
    ApplyShowRules(*this, kRefreshRules, RuleInput(*this));
}
