#include "protocol/device_types.h"

#include "platform/cp1251_text.h"
#include "protocol/text_trim.h"

#include <QFileInfo>

namespace {

const QString ProductWord = "Korvanta";
constexpr int CodeLength = 4;
constexpr QChar FieldEnd = ';';

struct BuiltInModel {
    const char* code;
    const char* name;
};

constexpr BuiltInModel BuiltInModels[] = {
    {"6101", "Korvanta10"},
    {"6102", "Korvanta10C"},
    {"6103", "Korvanta10C-X"},
    {"6104", "Korvanta10C-X-H"},
};

} // namespace

ModelEntry ParseModelEntry(const QString& entry) {
    ModelEntry parsed;
    const qsizetype nameEnd = entry.indexOf(FieldEnd);
    if (nameEnd < 0) {
        parsed.modelName = TrimBlanksAndControls(entry);
        return parsed;
    }
    parsed.modelName = TrimBlanksAndControls(entry.left(nameEnd));
    parsed.hasBitNames = true;
    qsizetype pos = nameEnd + 1;
    for (QString& name : parsed.bitNames) {
        while (pos < entry.size() && entry[pos] == ' ')
            ++pos;
        const qsizetype end = entry.indexOf(FieldEnd, pos);
        if (end < 0)
            break;
        name = entry.mid(pos, end - pos);
        pos = end + 1;
    }
    return parsed;
}

bool IsDeviceTypeTableHeader(const QString& line) {
    return TrimBlanksAndControls(line) == QStringLiteral(";перечень модификаций аппаратного исполнения");
}

std::optional<QString> BuiltInModelName(const QString& code) {
    for (const BuiltInModel& model : BuiltInModels) {
        if (code == QLatin1String(model.code))
            return QString::fromLatin1(model.name);
    }
    return std::nullopt;
}

QString DropModelPrefix(const QString& modelName) {
    const qsizetype hyphen = modelName.indexOf("-" + ProductWord);
    return hyphen < 0 ? modelName : modelName.mid(hyphen + 1);
}

QString ModelShortName(const QString& modelName) {
    const qsizetype word = modelName.indexOf(ProductWord);
    return word < 0 ? modelName : modelName.mid(word + ProductWord.size());
}

DeviceTypeInfo LookupDeviceTypeInLines(const std::optional<QStringList>& tableLines, const QString& code) {
    DeviceTypeInfo info;
    bool builtInWanted = true;
    if (tableLines) {
        // An empty file has an empty first line, which is no header.
        builtInWanted = tableLines->isEmpty() || !IsDeviceTypeTableHeader(tableLines->first());
        for (qsizetype i = 1; i < tableLines->size(); ++i) {
            const QString& line = tableLines->at(i);
            if (line.left(CodeLength) != code)
                continue;
            const ModelEntry entry = ParseModelEntry(TrimBlanksAndControls(line.mid(CodeLength)));
            info.modelName = entry.modelName;
            if (entry.hasBitNames)
                info.bitNames = entry.bitNames;
        }
    }
    if (builtInWanted) {
        if (const auto builtIn = BuiltInModelName(code))
            info.modelName = *builtIn;
    }
    info.modelName = DropModelPrefix(info.modelName);
    info.shortName = ModelShortName(info.modelName);
    return info;
}

DeviceTypeInfo LookupDeviceType(const QString& programDir, const QString& fileName, const QString& code) {
    const QString path = programDir + fileName;
    std::optional<QStringList> lines;
    if (QFileInfo(path).isFile())
        lines = ReadCp1251Lines(path);
    return LookupDeviceTypeInLines(lines, code);
}

QString TypeDeviceText(const QString& modelName, int version) {
    return modelName + " ver. " + QString::number(version);
}
