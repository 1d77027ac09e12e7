#pragma once
// The command line of korvanta-sim.
#include "sim/sim_model.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct SimDeviceSpec {
    uint8_t address;
    SimModel model;
    uint32_t serial;
};

struct SimOptions {
    QString linkPath;
    int baud = 9600;
    bool pace = true;
    QString logPath;
    std::vector<SimDeviceSpec> devices; // one Korvanta10C at 17, serial 1234567, when none is given
};

extern const char* const SimUsage;

// The arguments after the program name; nullopt with the reason in *error when they are wrong.
std::optional<SimOptions> parseSimOptions(const QStringList& arguments, QString* error);
