#pragma once
// The models of the device family and the identification bytes they report.
#include <QString>
#include <cstdint>
#include <optional>

enum class SimModel : uint8_t {
    Korvanta10 = 0x01,
    Korvanta10C = 0x02,
    Korvanta10CX = 0x03,
    Korvanta10CXH = 0x04
};

// Type byte A is the same for the whole family; type byte B names the model.
constexpr uint8_t SimTypeByteA = 0x3D;
constexpr uint8_t simTypeByteB(SimModel model) {
    return static_cast<uint8_t>(model);
}

// "10", "10C", "10C-X", "10C-X-H" (letter case ignored), as the simulator's command line takes them.
std::optional<SimModel> simModelFromShortName(const QString& shortName);
QString simModelName(SimModel model);
