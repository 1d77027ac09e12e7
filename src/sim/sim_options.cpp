#include "sim/sim_options.h"

const char* const SimUsage =
    "usage: korvanta-sim LINK [--baud N] [--device ADDR:MODEL[:SERIAL]]... [--log FILE] [--no-pace]\n"
    "  LINK     path of the symbolic link to the pseudo-terminal the devices are served on\n"
    "  --baud   line speed at which answers are paced (default 9600)\n"
    "  --device a device at bus address ADDR (1..255), MODEL 10, 10C, 10C-X or 10C-X-H,\n"
    "           serial number 0..16777215 (default 1234567); repeatable;\n"
    "           default: one 10C at address 17\n"
    "  --log    append every request frame received to FILE, one line of hex bytes each\n"
    "  --no-pace send answers at once instead of at the line speed\n";

namespace {

constexpr uint32_t DefaultSerial = 1234567;
constexpr uint8_t DefaultAddress = 17;
constexpr uint32_t MaxSerial = 0xFFFFFF;

std::optional<SimDeviceSpec> parseDevice(const QString& text, QString* error) {
    const QStringList parts = text.split(':');
    bool ok = parts.size() == 2 || parts.size() == 3;
    const uint address = ok ? parts[0].toUInt(&ok) : 0;
    if (!ok || address < 1 || address > 255) {
        *error = QStringLiteral("--device %1: the address must be 1..255").arg(text);
        return std::nullopt;
    }
    const auto model = simModelFromShortName(parts[1]);
    if (!model) {
        *error = QStringLiteral("--device %1: the model must be 10, 10C, 10C-X or 10C-X-H").arg(text);
        return std::nullopt;
    }
    uint serial = DefaultSerial;
    if (parts.size() == 3) {
        serial = parts[2].toUInt(&ok);
        if (!ok || serial > MaxSerial) {
            *error = QStringLiteral("--device %1: the serial number must be 0..16777215").arg(text);
            return std::nullopt;
        }
    }
    return SimDeviceSpec{static_cast<uint8_t>(address), *model, serial};
}

} // namespace

std::optional<SimOptions> parseSimOptions(const QStringList& arguments, QString* error) {
    SimOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool takesValue = arg == "--baud" || arg == "--device" || arg == "--log";
        if (takesValue && i + 1 >= arguments.size()) {
            *error = arg + " needs a value";
            return std::nullopt;
        }
        if (arg == "--baud") {
            bool ok = false;
            options.baud = arguments[++i].toInt(&ok);
            if (!ok || options.baud <= 0) {
                *error = "--baud needs a positive number";
                return std::nullopt;
            }
        } else if (arg == "--device") {
            const auto wanted = parseDevice(arguments[++i], error);
            if (!wanted)
                return std::nullopt;
            for (const SimDeviceSpec& other : options.devices)
                if (other.address == wanted->address) {
                    *error = QStringLiteral("two devices at address %1").arg(wanted->address);
                    return std::nullopt;
                }
            options.devices.push_back(*wanted);
        } else if (arg == "--log") {
            options.logPath = arguments[++i];
        } else if (arg == "--no-pace") {
            options.pace = false;
        } else if (arg.startsWith("-") || !options.linkPath.isEmpty()) {
            *error = "unexpected argument " + arg;
            return std::nullopt;
        } else {
            options.linkPath = arg;
        }
    }
    if (options.linkPath.isEmpty()) {
        *error = "the link path is missing";
        return std::nullopt;
    }
    if (options.devices.empty())
        options.devices.push_back({DefaultAddress, SimModel::Korvanta10C, DefaultSerial});
    return options;
}
