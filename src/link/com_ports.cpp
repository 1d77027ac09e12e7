#include "link/com_ports.h"

#include "platform/comm32.h"
#include "platform/device_names.h"

void EnumComPorts(QStringList& list, const QString& prefix, const TComm32& comm, const QString& storedPort) {
    list.clear();
    const QStringList present = comm.AvailablePorts(storedPort);
#ifdef Q_OS_WIN
    for (const QString& name : present) {
        if (IsComName(name, prefix))
            list.append(name);
    }
#else
    // Device paths carry no "COM" names; the list is kept as the system gives it.
    Q_UNUSED(prefix);
    list = present;
#endif
}
