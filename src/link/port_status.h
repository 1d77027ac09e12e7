#pragma once
// The port description of the status bar: port name, speed, data bits, flow control, parity and
// stop bits, for example "COM3, 9600, 8, нет, нет, 1".
#include <QString>

class TComm32;

QString PortStatusText(const TComm32& comm);
