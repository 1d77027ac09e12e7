#include "link/port_settings.h"

#include "link/com_ports.h"
#include "platform/comm32.h"
#include "platform/dialogs.h"
#include "platform/ini_profile.h"

#ifdef Q_OS_WIN
#include "platform/device_names.h"
#endif

namespace {

template <typename T, std::size_t N> std::optional<T> at(const std::array<T, N>& values, int position) {
    if (position < 0 || position >= int(N))
        return std::nullopt;
    return values[position];
}

int readPosition(const IniProfile& ini, PortList list) {
    const PortListInfo& info = PortListOf(list);
    return ini.ReadInteger(PortSettings::Section, info.key, info.defaultPosition);
}

} // namespace

const std::array<PortListInfo, 7>& PortLists() {
    // Flow control defaults to none here as in the dialog, so a file without "Streem" gives the
    // line the setting the dialog shows for it.
    static const std::array<PortListInfo, 7> lists{{
        {PortList::BoudRate,
         "BoudRate",
         {"2400", "4800", "9600", "14400", "19200", "28800", "33600", "38400", "57600", "76800", "115200",
          "128000", "256000"},
         2},
        {PortList::BitsSize, "BitsSize", {"7", "8"}, 1},
        {PortList::Parity, "Parity", {"Чет", "Нечет", "Нет", "Маркер", "Пробел"}, 2},
        {PortList::StopBits, "StopBits", {"1", "1.5", "2"}, 0},
        {PortList::Streem, "Streem", {"Xon / Xoff", "Аппаратное", "Нет"}, 2},
        {PortList::BufferRX, "BufferRX", {"4096"}, 0},
        {PortList::BufferTX, "BufferTX", {"4096"}, 0},
    }};
    return lists;
}

const PortListInfo& PortListOf(PortList list) {
    return PortLists()[std::size_t(list)];
}

QString SettingsFilePath(const QString& programDir) {
    return programDir + PortSettings::FileName;
}

std::optional<int> BaudRateAt(int position) {
    const QStringList& entries = PortListOf(PortList::BoudRate).entries;
    if (position < 0 || position >= entries.size())
        return std::nullopt;
    return entries.at(position).toInt();
}

ByteSizeSetting ByteSizeAt(int position) {
    return position == 0 ? ByteSizeSetting::sz_7 : ByteSizeSetting::sz_8;
}

std::optional<ParitySetting> ParityAt(int position) {
    static const std::array parities{ParitySetting::pEven, ParitySetting::pOdd, ParitySetting::pNone,
                                     ParitySetting::pMark, ParitySetting::pSpace};
    return at(parities, position);
}

std::optional<StopBitsSetting> StopBitsAt(int position) {
    static const std::array stopBits{StopBitsSetting::sb1_0, StopBitsSetting::sb1_5, StopBitsSetting::sb2_0};
    return at(stopBits, position);
}

std::optional<FlowControlSetting> FlowControlAt(int position) {
    static const std::array flows{FlowControlSetting::fcSoftware, FlowControlSetting::fcHardware,
                                  FlowControlSetting::fcNone};
    return at(flows, position);
}

QString ChooseCommPort(const QString& stored, const QStringList& listed, const QString& fallback) {
    if (listed.isEmpty() || listed.contains(stored, Qt::CaseSensitive))
        return stored;
    return fallback;
}

QString FallbackCommPort(const QStringList& listed) {
#ifdef Q_OS_WIN
    Q_UNUSED(listed);
    return PortSettings::DefaultPort;
#else
    return listed.isEmpty() ? PortSettings::DefaultPort : listed.first();
#endif
}

void ApplyPortSettings(TComm32& comm, const QString& programDir, Dialogs& dialogs,
                       QStringList& checkListBox1) {
    const IniProfile ini(SettingsFilePath(programDir));
    const QString stored =
        ini.ReadString(PortSettings::Section, PortSettings::PortKey, PortSettings::DefaultPort);

    checkListBox1.clear();
    EnumComPorts(checkListBox1, PortSettings::PortPrefix, comm, stored);
    if (checkListBox1.isEmpty())
        dialogs.showMessage(NoComPortMessage);

    comm.SetCommPort(ChooseCommPort(stored, checkListBox1, FallbackCommPort(checkListBox1)));

    if (const std::optional<int> rate = BaudRateAt(readPosition(ini, PortList::BoudRate)))
        comm.SetBaudRate(*rate);
    comm.SetByteSize(ByteSizeAt(readPosition(ini, PortList::BitsSize)));
    if (const std::optional<ParitySetting> parity = ParityAt(readPosition(ini, PortList::Parity)))
        comm.SetParity(*parity);
    if (const std::optional<StopBitsSetting> stopBits = StopBitsAt(readPosition(ini, PortList::StopBits)))
        comm.SetStopBits(*stopBits);
    if (const std::optional<FlowControlSetting> flow = FlowControlAt(readPosition(ini, PortList::Streem)))
        comm.SetFlowControl(*flow);

    comm.SetRxQueue(PortSettings::QueueSize);
    comm.SetTxQueue(PortSettings::QueueSize);

#ifdef Q_OS_WIN
    comm.SetCommPort(LongComPortName(comm.CommPort()));
#endif
}
