#pragma once
// The port settings stored in "settings.ini": the lists the port dialog offers, the positions
// stored for them, their defaults, and how they are applied to the serial port component.
#include "link/com_ports.h"
#include "platform/serial_transport.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Dialogs;
class TComm32;

namespace PortSettings {

inline const QString FileName = QStringLiteral("settings.ini");
inline const QString Section = QStringLiteral("Port");
inline const QString PortKey = QStringLiteral("Port");
inline const QString DefaultPort = QStringLiteral("COM1");
// The prefix the port list is asked for; only Windows filters names by it.
inline const QString PortPrefix = QStringLiteral("COM");
inline constexpr int QueueSize = 4096;

} // namespace PortSettings

// The seven lists, in the order their keys are written.
enum class PortList { BoudRate, BitsSize, Parity, StopBits, Streem, BufferRX, BufferTX };

struct PortListInfo {
    PortList list;
    QString key;
    QStringList entries;
    // Both the dialog and ApplyPortSettings use it when the key is missing or not a number.
    int defaultPosition;
};

const std::array<PortListInfo, 7>& PortLists();
const PortListInfo& PortListOf(PortList list);

QString SettingsFilePath(const QString& programDir);

// What each stored position gives the component. Nothing means "leave the setting as it was".
std::optional<int> BaudRateAt(int position);
// Only position 0 gives 7 data bits; every other value, inside the list or not, gives 8.
ByteSizeSetting ByteSizeAt(int position);
std::optional<ParitySetting> ParityAt(int position);
std::optional<StopBitsSetting> StopBitsAt(int position);
std::optional<FlowControlSetting> FlowControlAt(int position);

// The port to use: the stored name when no port is listed or when it is listed (letter case
// counts), fallback otherwise.
QString ChooseCommPort(const QString& stored, const QStringList& listed, const QString& fallback);
// The fallback for a stored port that is not present: "COM1" on Windows, the first listed port
// elsewhere (device paths have no fixed first port).
QString FallbackCommPort(const QStringList& listed);

// Reads the settings file of programDir (a missing file reads as empty) and sets up comm.
// checkListBox1 receives the ports present; when there is none, dialogs shows the message and
// the settings are applied all the same. Raises what listing the ports raises.
void ApplyPortSettings(TComm32& comm, const QString& programDir, Dialogs& dialogs,
                       QStringList& checkListBox1);
