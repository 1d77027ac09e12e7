#pragma once
// The protocol flags and values shared by the exchange cycle, the request fields, the poll and
// the answer decoder. One instance, owned by the main window and passed by reference.
#include <QString>

struct SharedState {
    bool PollActive = false;
    bool ChainIdentRequest = false;
    bool ChainTimeRequest = false;
    bool ChainDateRequest = false;
    bool AwaitingIdent = false;
    QString LastReadStart;
    QString LastReadCount;
    QString SerialListFileName = "sn_device.txt";
    QString ModelShortName;
    QString DeviceTypeFileName = "tip_device.txt";
    QString CommandFileName = "lqazswistcommand.txt";
    // The program's directory, with a trailing separator.
    QString ProgramDir;
};
