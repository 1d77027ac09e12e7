#include "platform/cp1251_text.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Cp1251TextTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    void writeRaw(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readRaw(const QString& name) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The text of the error raised by fn, or an empty text when it raised none.
    template <typename Fn> static QString errorOf(Fn fn) {
        try {
            fn();
        } catch (const EInOutError& e) {
            return e.text();
        }
        return {};
    }

    QTemporaryDir dir_;
};

TEST_F(Cp1251TextTest, WritesCyrillicInTheCodePageWithCrLfAndReadsItBack) {
    const QStringList lines{QStringLiteral("Привет, мир"), QStringLiteral("ёЁ №1"), QString(),
                            QStringLiteral(";Список серийных номеров")};
    WriteCp1251Lines(path("a.txt"), lines);

    const QByteArray raw = readRaw("a.txt");
    EXPECT_TRUE(raw.startsWith(QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0\r\n\xB8\xA8 \xB9"
                                          "1\r\n\r\n;")));
    EXPECT_TRUE(raw.endsWith("\r\n"));
    EXPECT_EQ(raw.count("\r\n"), 4);
    EXPECT_EQ(ReadCp1251Lines(path("a.txt")), lines);
}

TEST_F(Cp1251TextTest, ReadsEveryLineEndAndALastLineWithoutOne) {
    const struct {
        QByteArray raw;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a", "b"}},
        {"\xE4\xE0\nx", {QStringLiteral("да"), "x"}},
    };
    for (const auto& c : cases) {
        writeRaw("r.txt", c.raw);
        EXPECT_EQ(ReadCp1251Lines(path("r.txt")), c.lines) << c.raw.toStdString();
    }
}

TEST_F(Cp1251TextTest, WriteReplacesTheWholeFile) {
    WriteCp1251Lines(path("w.txt"), {"one", "two", "three"});
    WriteCp1251Lines(path("w.txt"), {"x"});
    EXPECT_EQ(readRaw("w.txt"), QByteArray("x\r\n"));
}

TEST_F(Cp1251TextTest, AppendStartsANewLineEvenAfterALastLineWithoutEnd) {
    AppendCp1251Line(path("new.txt"), QStringLiteral("первая"));
    EXPECT_EQ(ReadCp1251Lines(path("new.txt")), QStringList{QStringLiteral("первая")});

    writeRaw("open.txt", ";head");
    AppendCp1251Line(path("open.txt"), "01 234 567\t25.12.2024");
    EXPECT_EQ(readRaw("open.txt"), QByteArray(";head\r\n01 234 567\t25.12.2024\r\n"));

    writeRaw("closed.txt", ";head\r\n");
    AppendCp1251Line(path("closed.txt"), "x");
    EXPECT_EQ(readRaw("closed.txt"), QByteArray(";head\r\nx\r\n"));
}

TEST_F(Cp1251TextTest, FailuresRaiseAnInputOutputErrorNamingCauseAndFile) {
    const QString missing = path("missing.txt");
    EXPECT_EQ(errorOf([&] { ReadCp1251Lines(missing); }),
              "File not found: " + QDir::toNativeSeparators(missing));

    const QString noFolder = path("no/such/folder/x.txt");
    EXPECT_EQ(errorOf([&] { WriteCp1251Lines(noFolder, {"x"}); }),
              "Path not found: " + QDir::toNativeSeparators(noFolder));
    EXPECT_EQ(errorOf([&] { AppendCp1251Line(noFolder, "x"); }),
              "Path not found: " + QDir::toNativeSeparators(noFolder));

    ASSERT_TRUE(QDir(dir_.path()).mkdir("sub"));
    EXPECT_EQ(errorOf([&] { ReadCp1251Lines(path("sub")); }),
              "Access denied: " + QDir::toNativeSeparators(path("sub")));
    EXPECT_FALSE(errorOf([&] { WriteCp1251Lines(path("sub"), {"x"}); }).isEmpty());
    EXPECT_TRUE(QFileInfo(path("sub")).isDir());
}

} // namespace
