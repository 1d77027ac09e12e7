#pragma once
// Writes test files the way the device's tools save them: Windows-1251, lines ended by CR LF.
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

inline void WriteWindows1251File(const QString& path, const QStringList& lines) {
    QStringEncoder encoder("windows-1251");
    ASSERT_TRUE(encoder.isValid());
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encoder.encode(line + "\r\n");
    ASSERT_FALSE(encoder.hasError());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
