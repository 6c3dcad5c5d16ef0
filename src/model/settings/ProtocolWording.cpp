#include "ProtocolWording.h"

#include "ProtsH.h"

namespace {

// Outboard engine ECUs: cylinder temperatures, no road timing.
constexpr std::uint8_t CodeFirstOutboard = 0xDE;
constexpr std::uint8_t CodeLastCylinder = 0xE1;
constexpr std::uint8_t CodeLastOutboard = 0xE4;

} // namespace

bool DeliversEcuData(const TProtBase* entry) {
    return entry && entry->Code != ProtCodeUniversal && entry->Code != ProtCodeCarburettor &&
           entry->Code != ProtCodeOutboardNoData;
}

TCoolantWording CoolantWordingFor(const TProtBase* entry) {
    const bool coolant = !entry || entry->CoolantWarnings;
    const bool ready = !entry || entry->ReadyWarnings;
    const std::uint8_t code = entry ? entry->Code : ProtCodeUniversal;
    const bool outboard = code >= CodeFirstOutboard && code <= CodeLastOutboard;
    if (!DeliversEcuData(entry) && !outboard) // the device's own sensor: water or engine
        return {{"T wat/eng., C", "Т вод/двиг., С"},
                {"Water overheat", "Перегрев воды"},
                {"Engine overheat", "Перегрев двиг."},
                coolant,
                ready,
                true};
    if (outboard && code <= CodeLastCylinder)
        return {{"T cyl., C", "T цил., C"},
                {"Water overheat", "Перегрев воды"},
                {"Cylinder  overheat", "Перегрев цил."},
                coolant,
                ready,
                false};
    if (outboard)
        return {{"Т eng., С", "Тдв., С"},
                {"Water overheat", "Перегрев воды"},
                {"Engine overheat", "Перегрев двиг."},
                coolant,
                ready,
                false};
    return {{"T coolant, C", "ТОЖ, С"},
            {"Coolant overheat", "Перегрев ОЖ"},
            {"Engine overheat", "Перегрев двиг."},
            coolant,
            ready,
            true};
}
