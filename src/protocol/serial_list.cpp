#include "protocol/serial_list.h"

#include "platform/cp1251_text.h"
#include "protocol/text_trim.h"

#include <QFileInfo>

namespace {

constexpr int SerialKeyLength = 10;

} // namespace

QString SerialListPath(const QString& programDir, const QString& typeCode) {
    return programDir + ("SN_" + typeCode + ".TXT").toUpper();
}

bool IsSerialListHeader(const QString& firstLine) {
    const QString header = QStringLiteral(";Список серийных номеров изделия");
    return TrimBlanksAndControls(firstLine).left(header.size()) == header;
}

bool SerialListPermitsWrite(const QStringList& lines, const QString& serialKey) {
    if (lines.isEmpty() || !IsSerialListHeader(lines.first()))
        return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].left(SerialKeyLength) == serialKey)
            return false;
    }
    return true;
}

bool SerialWritePermitted(const QString& listPath, const QString& serialKey) {
    if (!QFileInfo(listPath).isFile())
        return false;
    return SerialListPermitsWrite(ReadCp1251Lines(listPath), serialKey);
}
