#include "platform/cp1251_text.h"
#include "platform/errors.h"
#include "platform/ini_profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("settings.ini"); }
    void writeBytes(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

} // namespace

TEST(IniValueTest, FindsKeysLikeTheSystemReader) {
    const QStringList lines = {
        "Port=outside any section",
        "[Other]",
        "Port=other section",
        "  [ port ]  ",
        "junk line without equals",
        "BoudRate =  4  ",
        "Name=\"quoted value\"",
        "Single='x'",
        "Unbalanced=\"open",
        "Empty=",
        "bOuDrAtE=second copy",
        "[Port]",
        "Parity=second section of the same name",
    };
    struct Case {
        const char* section;
        const char* key;
        std::optional<QString> value;
    };
    const Case cases[] = {
        {"Port", "BoudRate", "4"},
        {"PORT", "boudrate", "4"},
        {"Port", "Name", "quoted value"},
        {"Port", "Single", "x"},
        {"Port", "Unbalanced", "\"open"},
        {"Port", "Empty", ""},
        {"Other", "Port", "other section"},
        {"Port", "Port", std::nullopt},
        {"Port", "Parity", std::nullopt},
        {"Port", "junk line without equals", std::nullopt},
        {"Missing", "BoudRate", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniValue(lines, c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniIntegerTest, OnlyWholeDecimalNumbersCount) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"5", 5},
        {" 12 ", 12},
        {"-1", -1},
        {"+3", 3},
        {"0", 0},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"1 2", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(IniInteger(text), value) << text;
}

TEST(SetIniValueTest, ReplacesInPlaceOrAddsAtTheEndOfTheSection) {
    QStringList lines = {"; first line", "[port]", "  boudrate = 7", "Parity=1", "", "[Tail]", "X=1"};
    SetIniValue(lines, "Port", "BoudRate", "2");
    SetIniValue(lines, "Port", "Streem", "0");
    SetIniValue(lines, "New", "Key", "v");
    const QStringList expected = {"; first line", "[port]", "boudrate=2", "Parity=1", "Streem=0", "",
                                  "[Tail]",       "X=1",    "[New]",      "Key=v"};
    EXPECT_EQ(lines, expected);
}

TEST_F(IniFileTest, MissingFileReadsDefaults) {
    IniProfile ini(path());
    EXPECT_EQ(ini.ReadString("Port", "Port", "COM1"), "COM1");
    EXPECT_EQ(ini.ReadInteger("Port", "BoudRate", 2), 2);
}

TEST_F(IniFileTest, ReadIntegerTreatsNonNumbersAsMissing) {
    writeBytes("[Port]\r\nBoudRate=fast\r\nParity=\r\nStopBits= 1 \r\nPort=  COM3  \r\n");
    IniProfile ini(path());
    EXPECT_EQ(ini.ReadInteger("Port", "BoudRate", 2), 2);
    EXPECT_EQ(ini.ReadInteger("Port", "Parity", 2), 2);
    EXPECT_EQ(ini.ReadInteger("port", "stopbits", 0), 1);
    EXPECT_EQ(ini.ReadString("Port", "Port", "COM1"), "COM3");
}

TEST_F(IniFileTest, WritesKeysInOrderAndKeepsForeignLines) {
    writeBytes(EncodeCp1251("; Настройки\r\n[Other]\r\nKey = Value \r\n\r\n[PORT]\n"
                            "Extra=Текст\r\nBoudRate=11\r\n\r\n[Tail]\r\nX=1"));
    IniProfile ini(path());
    ini.WriteString("Port", "Port", "COM3");
    ini.WriteInteger("Port", "BoudRate", 4);
    ini.WriteInteger("Port", "BitsSize", -1);

    const QByteArray expected = EncodeCp1251("; Настройки\r\n[Other]\r\nKey = Value \r\n\r\n[PORT]\r\n"
                                             "Extra=Текст\r\nBoudRate=4\r\nPort=COM3\r\nBitsSize=-1\r\n\r\n"
                                             "[Tail]\r\nX=1\r\n");
    EXPECT_EQ(fileBytes(path()), expected);
    EXPECT_EQ(ini.ReadString("Other", "Key", ""), "Value");
    EXPECT_EQ(ini.ReadString("Port", "Extra", ""), "Текст");
}

TEST_F(IniFileTest, WritingCreatesTheFile) {
    IniProfile ini(path());
    ini.WriteString("Port", "Port", "COM1");
    ini.WriteInteger("Port", "BoudRate", 2);
    EXPECT_EQ(fileBytes(path()), QByteArray("[Port]\r\nPort=COM1\r\nBoudRate=2\r\n"));
}

TEST_F(IniFileTest, UnwritableFileRaisesTheWriteError) {
    const QString inMissingDir = dir.filePath("absent/settings.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("settings.ini"));
    for (const QString& target : {inMissingDir, path()}) {
        IniProfile ini(target);
        try {
            ini.WriteString("Port", "Port", "COM1");
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.text(), "Unable to write to " + QDir::toNativeSeparators(target));
        }
        EXPECT_EQ(ini.ReadString("Port", "Port", "none"), "none");
    }
}
