#include "protocol/device_types.h"

#include "platform/errors.h"
#include "protocol_test_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Header = QStringLiteral(";перечень модификаций аппаратного исполнения");

BitNames Names(std::initializer_list<const char*> first) {
    BitNames names;
    int i = 0;
    for (const char* name : first)
        names[i++] = QString::fromUtf8(name);
    return names;
}

TEST(ModelEntry, SplitsNameAndBitNames) {
    const struct {
        const char* entry;
        const char* model;
        bool hasBitNames;
        BitNames bits;
    } cases[] = {
        {"Korvanta10", "Korvanta10", false, {}},
        {"Korvanta10 ; Авария; Питание;Обрыв;", "Korvanta10", true, Names({"Авария", "Питание", "Обрыв"})},
        {"Korvanta10;a;b", "Korvanta10", true, Names({"a"})},
        {"Korvanta10;;b;", "Korvanta10", true, Names({"", "b"})},
        {"Korvanta10;", "Korvanta10", true, {}},
        {";a;", "", true, Names({"a"})},
        {"Korvanta10;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;", "Korvanta10", true,
         Names({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const ModelEntry entry = ParseModelEntry(QString::fromUtf8(c.entry));
        EXPECT_EQ(entry.modelName, QString::fromUtf8(c.model));
        EXPECT_EQ(entry.hasBitNames, c.hasBitNames);
        EXPECT_EQ(entry.bitNames, c.bits);
    }
}

TEST(DeviceTypeTableHeader, TrimsBlanksAndControlCharacters) {
    EXPECT_TRUE(IsDeviceTypeTableHeader(Header));
    EXPECT_TRUE(IsDeviceTypeTableHeader(" \t" + Header + " \x1A"));
    EXPECT_FALSE(IsDeviceTypeTableHeader(Header + "."));
    EXPECT_FALSE(IsDeviceTypeTableHeader(Header.toUpper()));
    EXPECT_FALSE(IsDeviceTypeTableHeader(""));
}

TEST(ModelNames, PrefixAndShortName) {
    const struct {
        const char* name;
        const char* shown;
        const char* shortName;
    } cases[] = {
        {"XYZ-Korvanta10C", "Korvanta10C", "10C"},
        {"Korvanta10C-X", "Korvanta10C-X", "10C-X"},
        {"Korvanta10C-X-H", "Korvanta10C-X-H", "10C-X-H"},
        {"XYZ Korvanta10", "XYZ Korvanta10", "10"},
        // Without the product word the whole name has to head a new serial list.
        {"Датчик-5", "Датчик-5", "Датчик-5"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const QString shown = DropModelPrefix(QString::fromUtf8(c.name));
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.name;
        EXPECT_EQ(ModelShortName(shown), QString::fromUtf8(c.shortName)) << c.name;
    }
}

TEST(DeviceTypeLookup, WithoutTableTheBuiltInNamesApply) {
    const struct {
        const char* code;
        const char* model;
        const char* shortName;
    } cases[] = {
        {"6101", "Korvanta10", "10"},
        {"6102", "Korvanta10C", "10C"},
        {"6103", "Korvanta10C-X", "10C-X"},
        {"6104", "Korvanta10C-X-H", "10C-X-H"},
        {"6105", "", ""},
        {"10001", "", ""},
    };
    for (const auto& c : cases) {
        const DeviceTypeInfo info = LookupDeviceTypeInLines(std::nullopt, c.code);
        EXPECT_EQ(info.modelName, c.model) << c.code;
        EXPECT_EQ(info.shortName, c.shortName) << c.code;
        EXPECT_EQ(info.bitNames, BitNames{}) << c.code;
    }
}

TEST(DeviceTypeLookup, RightHeaderWithoutTheCodeGivesNoName) {
    const DeviceTypeInfo info = LookupDeviceTypeInLines(QStringList{Header, "6101 Korvanta10;a;"}, "6102");
    EXPECT_EQ(info.modelName, "");
    EXPECT_EQ(TypeDeviceText(info.modelName, 12), " ver. 12");
}

TEST(DeviceTypeLookup, WrongHeaderStillReadsEveryLine) {
    const QStringList lines{";список", "6105 Korvanta10D;x;", "6101 Другое имя; Авария;;Обрыв;"};
    const DeviceTypeInfo custom = LookupDeviceTypeInLines(lines, "6105");
    EXPECT_EQ(custom.modelName, "Korvanta10D");
    EXPECT_EQ(custom.bitNames, Names({"x"}));

    const DeviceTypeInfo builtIn = LookupDeviceTypeInLines(lines, "6101");
    EXPECT_EQ(builtIn.modelName, "Korvanta10");
    EXPECT_EQ(builtIn.bitNames, Names({"Авария", "", "Обрыв"}));
}

TEST(DeviceTypeLookup, LastLineWinsForNameLastLineWithSemicolonForBitNames) {
    const QStringList lines{Header, "6102 Первая;a;b;", "6102Вторая", "6101 Другая;c;",
                            "6102   XYZ-Korvanta10C  "};
    const DeviceTypeInfo info = LookupDeviceTypeInLines(lines, "6102");
    EXPECT_EQ(info.modelName, "Korvanta10C");
    EXPECT_EQ(info.shortName, "10C");
    EXPECT_EQ(info.bitNames, Names({"a", "b"}));
}

TEST(DeviceTypeLookup, EmptyTableCountsAsWrongHeader) {
    EXPECT_EQ(LookupDeviceTypeInLines(QStringList{}, "6103").modelName, "Korvanta10C-X");
}

TEST(TypeDeviceText, ModelVersionRunTogether) {
    EXPECT_EQ(TypeDeviceText("Korvanta10C", 3), "Korvanta10C ver. 3");
}

class DeviceTypeFile : public ::testing::Test {
protected:
    QString programDir() const { return dir.path() + "/"; }
    QString tablePath() const { return programDir() + "tip_device.txt"; }
    QTemporaryDir dir;
};

TEST_F(DeviceTypeFile, ReadsTheTableInWindows1251) {
    WriteWindows1251File(tablePath(), {Header, "6102 XYZ-Korvanta10C; Перегрев; Норма;"});
    const DeviceTypeInfo info = LookupDeviceType(programDir(), "tip_device.txt", "6102");
    EXPECT_EQ(info.modelName, "Korvanta10C");
    EXPECT_EQ(info.shortName, "10C");
    EXPECT_EQ(info.bitNames, Names({"Перегрев", "Норма"}));
}

TEST_F(DeviceTypeFile, MissingFileGivesTheBuiltInTable) {
    EXPECT_EQ(LookupDeviceType(programDir(), "tip_device.txt", "6102").modelName, "Korvanta10C");
    EXPECT_EQ(LookupDeviceType(programDir(), "tip_device.txt", "6105").modelName, "");
}

TEST_F(DeviceTypeFile, UnreadableFileRaisesTheIoError) {
    WriteWindows1251File(tablePath(), {Header});
    QFile::setPermissions(tablePath(), QFileDevice::Permissions{});
    QFile probe(tablePath());
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files without read permission";
    EXPECT_THROW(LookupDeviceType(programDir(), "tip_device.txt", "6102"), EInOutError);
}

} // namespace
