#include "platform/ini_profile.h"

#include "platform/cp1251_text.h"
#include "platform/errors.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct KeyLine {
    QString key;
    QString value;
};

// The name of a section header line ("[name]", text after the last "]" ignored).
std::optional<QString> sectionName(const QString& line) {
    const QString text = line.trimmed();
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 1)
        return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

QString withoutQuotes(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

std::optional<KeyLine> keyLine(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{line.left(equals).trimmed(), withoutQuotes(line.mid(equals + 1).trimmed())};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Lines [begin, end) of the first section named section; begin is the line after its header.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QStringList& lines, const QString& section) {
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines.at(i));
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(*name, section))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

qsizetype findKey(const QStringList& lines, const SectionSpan& span, const QString& key) {
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const std::optional<KeyLine> entry = keyLine(lines.at(i));
        if (entry && sameName(entry->key, key))
            return i;
    }
    return -1;
}

QStringList readLines(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    return ReadCp1251Lines(path);
}

// Like the system's reader, a file that cannot be read gives the default, not an error.
std::optional<QString> readValue(const QString& path, const QString& section, const QString& key) {
    try {
        return IniValue(readLines(path), section, key);
    } catch (const EInOutError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> IniValue(const QStringList& lines, const QString& section, const QString& key) {
    const SectionSpan span = findSection(lines, section);
    if (span.header < 0)
        return std::nullopt;
    const qsizetype at = findKey(lines, span, key);
    if (at < 0)
        return std::nullopt;
    return keyLine(lines.at(at))->value;
}

void SetIniValue(QStringList& lines, const QString& section, const QString& key, const QString& value) {
    const SectionSpan span = findSection(lines, section);
    if (span.header < 0) {
        lines << QStringLiteral("[%1]").arg(section) << key + u'=' + value;
        return;
    }
    const qsizetype at = findKey(lines, span, key);
    if (at >= 0) {
        lines[at] = keyLine(lines.at(at))->key + u'=' + value;
        return;
    }
    // After the section's last line with text, so blank lines before the next section stay there.
    qsizetype insertAt = span.header + 1;
    for (qsizetype i = span.end - 1; i > span.header; --i) {
        if (!lines.at(i).trimmed().isEmpty()) {
            insertAt = i + 1;
            break;
        }
    }
    lines.insert(insertAt, key + u'=' + value);
}

std::optional<int> IniInteger(const QString& text) {
    const QString number = text.trimmed();
    qsizetype digits = 0;
    if (number.startsWith(u'+') || number.startsWith(u'-'))
        digits = 1;
    if (digits == number.size())
        return std::nullopt;
    for (qsizetype i = digits; i < number.size(); ++i) {
        if (number.at(i) < u'0' || number.at(i) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString IniProfile::ReadString(const QString& section, const QString& key,
                               const QString& defaultValue) const {
    return readValue(path_, section, key).value_or(defaultValue);
}

int IniProfile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const std::optional<QString> text = readValue(path_, section, key);
    if (!text)
        return defaultValue;
    return IniInteger(*text).value_or(defaultValue);
}

void IniProfile::WriteString(const QString& section, const QString& key, const QString& value) {
    try {
        // A file that exists but cannot be read is not replaced: its other lines would be lost.
        QStringList lines = readLines(path_);
        SetIniValue(lines, section, key, value);
        WriteCp1251Lines(path_, lines);
    } catch (const EInOutError&) {
        throw EInOutError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path_)));
    }
}

void IniProfile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}
