#pragma once
// Text files in the single-byte Cyrillic code page (Windows-1251), shown in Unicode.
// Reading accepts CR LF, LF and a last line without an end; writing ends each line with CR LF.
#include <QString>
#include <QStringList>

// All lines of the file. Raises EInOutError when it cannot be opened or read.
QStringList ReadCp1251Lines(const QString& path);
// Replaces the file with the lines. Raises EInOutError when it cannot be written.
void WriteCp1251Lines(const QString& path, const QStringList& lines);
// Appends one line at the end of the file (creating it). Raises EInOutError on failure.
void AppendCp1251Line(const QString& path, const QString& line);

QByteArray EncodeCp1251(const QString& text);
QString DecodeCp1251(const QByteArray& bytes);
