#pragma once
// The device type table: for each device type code the model name and the names of the status
// and control register bits. It comes from a Windows-1251 text file in the program's directory
// ("tip_device.txt"): a header line, then lines of a four-character code followed by a model
// entry "name;bit name 1;...;bit name 16;". When the file is missing or is not a type table, the
// names of the four models built into the program apply; bit names then still come from the file.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Names 1 to 8 belong to the status register bits D7 down to D0, names 9 to 16 to the control
// register bits D7 down to D0. An empty name means no tooltip.
using BitNames = std::array<QString, 16>;

struct ModelEntry {
    QString modelName;        // the text before the first ";", trimmed
    bool hasBitNames = false; // the entry holds a ";": its sixteen names replace all earlier ones
    BitNames bitNames;
};
// Each bit name is ended by ";" and loses the blanks in front of it; text after the last ";" and
// names beyond the sixteenth are dropped.
ModelEntry ParseModelEntry(const QString& entry);

// The first line, trimmed of blanks and control characters, is exactly the table's header.
bool IsDeviceTypeTableHeader(const QString& line);

// The names of the four models built into the program.
std::optional<QString> BuiltInModelName(const QString& code);

struct DeviceTypeInfo {
    QString modelName; // prefix dropped; empty when no table names the code
    BitNames bitNames;
    QString shortName; // what follows "Korvanta" in the model name (heads a new serial list)
};

// The lookup over the table file's lines, or over no file (std::nullopt) when it does not exist.
// Every line is read even under a wrong header: the last line for the code gives the model name,
// the last one holding a ";" gives the bit names.
DeviceTypeInfo LookupDeviceTypeInLines(const std::optional<QStringList>& tableLines, const QString& code);
// The same over the file programDir + fileName. Raises EInOutError when the file exists but
// cannot be read.
DeviceTypeInfo LookupDeviceType(const QString& programDir, const QString& fileName, const QString& code);

// "XYZ-Korvanta10C" gives "Korvanta10C": a prefix joined to the product word by a hyphen goes.
QString DropModelPrefix(const QString& modelName);
// The text after the first "Korvanta" ("Korvanta10C-X" gives "10C-X"); a name without the product
// word is its own short name, so that a new serial list is still headed by the model.
QString ModelShortName(const QString& modelName);

// The device type field: model name, " ver. ", version in decimal.
QString TypeDeviceText(const QString& modelName, int version);
