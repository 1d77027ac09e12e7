#include "platform/cp1251_text.h"

#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const CodePage = "windows-1251";
const QByteArray LineEnd("\r\n");

[[noreturn]] void fail(const QString& reason, const QString& path) {
    throw EInOutError(QStringLiteral("%1: %2").arg(reason, QDir::toNativeSeparators(path)));
}

// The system's own words for the usual causes, so the error box reads like the platform's.
QString openReadReason(const QString& path, const QFile& file) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("File not found");
    if (info.isDir() || !info.isReadable())
        return QStringLiteral("Access denied");
    return file.errorString();
}

QString openWriteReason(const QString& path, const QFileDevice& file) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return QStringLiteral("Path not found");
    if (info.isDir() || (info.exists() && !info.isWritable()))
        return QStringLiteral("Access denied");
    return file.errorString();
}

QByteArray encodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeCp1251(line) + LineEnd;
    return bytes;
}

// True when a non-empty file does not end with a line end, so an appended line would otherwise
// be glued to its last line.
bool lacksFinalLineEnd(QFile& file) {
    const qint64 size = file.size();
    if (size == 0)
        return false;
    if (!file.seek(size - 1))
        return false;
    char last = 0;
    if (file.read(&last, 1) != 1)
        return false;
    return last != '\n' && last != '\r';
}

} // namespace

QByteArray EncodeCp1251(const QString& text) {
    QStringEncoder encoder(CodePage);
    return encoder.encode(text);
}

QString DecodeCp1251(const QByteArray& bytes) {
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QStringList ReadCp1251Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(openReadReason(path, file), path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Read error (%1)").arg(file.errorString()), path);

    // CR LF, a lone LF and a lone CR each end a line; the last line needs no end.
    QStringList lines;
    const QString text = DecodeCp1251(bytes);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

void WriteCp1251Lines(const QString& path, const QStringList& lines) {
    // Written beside the old file and renamed over it, so a failed write leaves the old contents.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        fail(openWriteReason(path, file), path);
    const QByteArray bytes = encodeLines(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("Write error (%1)").arg(file.errorString()), path);
}

void AppendCp1251Line(const QString& path, const QString& line) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        fail(openWriteReason(path, file), path);
    QByteArray bytes = encodeLines({line});
    if (lacksFinalLineEnd(file))
        bytes.prepend(LineEnd);
    if (!file.seek(file.size()) || file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("Write error (%1)").arg(file.errorString()), path);
}
