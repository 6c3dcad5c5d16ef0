#pragma once

// The device model table: the 16-bit type code a trip computer reports when it is read
// (it doubles as its version word), a short designation and the capability flags that
// decide which protocols, menu entries and editor features the model offers.

#include <QString>
#include <cstdint>
#include <span>

// Capabilities of one device model. All clear for a code the table does not know.
struct TDeviceCaps {
    bool CapNoPark = false;        // no parking sensors
    bool CapNoGas = false;         // no LPG support
    bool CapNoGasMeth = false;     // LPG without a choice of how gas consumption is measured
    bool CapNoJamStats = false;    // no statistics split into traffic jams / free driving
    bool CapAddSystems = false;    // queries additional control units of the vehicle
    bool CapNoLights = false;      // no side-light sensing
    bool CapNoAirTemp = false;     // no outside air temperature input
    bool CapNoSpeedSensor = false; // no speed sensor input
    bool CapPowerReserve = false;  // shows a power reserve instead of a mileage forecast
    bool CapSpeedLockRule = false; // the last speed source needs the virtual ignition lock
    bool CapGPS = false;           // GPS speed source
    bool CapTrim = false;          // drive trim input
    bool CapNoVoice = false;       // no voice output
    bool CapTSCounter = false;     // service counter instead of the air-filter counter
    bool CapLowBeam = false;       // low-beam control output
    bool CapVAG = false;           // VAG-specific features (soot filter warning, VAG search)
    bool CapUniInput = false;      // universal analogue input (set by no model)
    bool CapTaximeter = false;     // taximeter averages screen (set by no model)
    bool CapVariator = false;      // variator temperature input (set by no model)
    bool CapNMEA = false;          // NMEA speed source (set by no model)

    // Flags of our own for what the table above leaves open.
    bool CapAltPalette = false; // second set of default colour schemes
    bool CapNoVel100 = false;   // no acceleration / braking timing entries in the menu
    bool CapCorrUOZ = false;    // ignition-angle correction from the menu
    bool CapAutoOBD = false;    // automatic search among the OBD protocols
    bool CapAutoOpel = false;   // automatic search among the Opel protocols
    bool CapAccelCalib = false; // accelerometer (pitch and roll) with a stored calibration

    bool operator==(const TDeviceCaps&) const = default;
};

// The 28 known type codes in table order.
std::span<const std::uint16_t> DeviceTypeCodes();
bool IsKnownDevice(std::uint16_t deviceType);
// Short neutral designation (at most 10 characters); empty for an unknown code.
QString DeviceDesignation(std::uint16_t deviceType);
// "TC-4610 (0x4610)" as every list and message names a device; the code alone when unknown.
QString DeviceTypeText(std::uint16_t deviceType);
TDeviceCaps DeviceCapabilities(std::uint16_t deviceType);
