#pragma once
// Port names: the Windows device name table and its "COM" entries, the long form of COM names
// with two or more digits, and the order in which device paths are listed. Plain functions,
// built on every platform so that the Windows rules stay tested everywhere.
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Takes the text from pos (1-based) up to the next character of code 0; pos then moves just past
// that character. Beyond the end, or with no character of code 0 after pos, the token is empty
// and pos stays. Raises ERangeError "aStartPos должен быть больше 0" when pos is below 1.
void NextToken(const QString& text, int& pos, QString& token);

// True for a name that begins with prefix (letter case ignored) and whose first three
// characters are "COM" in any letter case.
bool IsComName(const QString& name, const QString& prefix);

// The names of a device name table (each followed by a character of code 0, the whole ended by
// an empty name) that pass IsComName, unchanged and in table order.
QStringList ComNamesFromDeviceTable(const QString& table, const QString& prefix);

// COM ports numbered 10 and above are only reachable through the device namespace:
// "COM12" becomes "\\.\COM12"; "COM3" and names without "COM" stay as they are.
QString LongComPortName(const QString& port);

// Device paths in natural order: runs of digits compare by their value, so ttyS2 comes before
// ttyS10. A strict weak order: names that differ only in leading zeros fall back to plain order.
bool NaturalLess(const QString& a, const QString& b);

#ifdef Q_OS_WIN
// The system's table of device names (QueryDosDeviceA for all names). Raises EOSError with the
// system's description when the table cannot be read.
QString ReadDeviceNameTable();
#endif
