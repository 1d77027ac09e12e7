#include "link/port_status.h"

#include "platform/comm32.h"

namespace {

QString byteSizePiece(ByteSizeSetting size) {
    switch (size) {
    case ByteSizeSetting::sz_7:
        return QStringLiteral(", 7");
    case ByteSizeSetting::sz_8:
        return QStringLiteral(", 8");
    }
    return {};
}

QString flowControlPiece(FlowControlSetting flow) {
    switch (flow) {
    case FlowControlSetting::fcNone:
        return QStringLiteral(", нет");
    case FlowControlSetting::fcHardware:
        return QStringLiteral(", HardWare");
    case FlowControlSetting::fcSoftware:
        return QStringLiteral(", Xon/Xoff");
    }
    return {};
}

// Space parity reads ", пробкл", spelt as users have always seen it in the status bar.
QString parityPiece(ParitySetting parity) {
    switch (parity) {
    case ParitySetting::pNone:
        return QStringLiteral(", нет");
    case ParitySetting::pOdd:
        return QStringLiteral(", нечет");
    case ParitySetting::pEven:
        return QStringLiteral(", чет");
    case ParitySetting::pMark:
        return QStringLiteral(", маркер");
    case ParitySetting::pSpace:
        return QStringLiteral(", пробкл");
    }
    return {};
}

QString stopBitsPiece(StopBitsSetting bits) {
    switch (bits) {
    case StopBitsSetting::sb1_0:
        return QStringLiteral(", 1");
    case StopBitsSetting::sb1_5:
        return QStringLiteral(", 1.5");
    case StopBitsSetting::sb2_0:
        return QStringLiteral(", 2");
    }
    return {};
}

} // namespace

QString PortStatusText(const TComm32& comm) {
    return comm.CommPort() + QStringLiteral(", ") + QString::number(comm.BaudRate()) +
           byteSizePiece(comm.ByteSize()) + flowControlPiece(comm.FlowControl()) +
           parityPiece(comm.Parity()) + stopBitsPiece(comm.StopBits());
}
