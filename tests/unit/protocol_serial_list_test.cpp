#include "protocol/serial_list.h"

#include "platform/errors.h"
#include "protocol_test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Header = QStringLiteral(";Список серийных номеров изделия");
const QString Key = "01 234 567";

TEST(SerialListPath, UpperCasesTheFileNameOnly) {
    EXPECT_EQ(SerialListPath("/opt/Konf/", "6102"), "/opt/Konf/SN_6102.TXT");
    EXPECT_EQ(SerialListPath("/opt/Konf/", "10001"), "/opt/Konf/SN_10001.TXT");
}

TEST(SerialListPermitsWrite, HeaderRightAndKeyAbsent) {
    const struct {
        const char* what;
        QStringList lines;
        bool permitted;
    } cases[] = {
        {"key absent",
         {Header + " 10C", ";серийный номер, дата изменения", ";", ";", "01 234 568\t25.12.2024"},
         true},
        {"key listed",
         {Header + " 10C", ";", ";", ";", "00 000 005\t01.01.2024", Key + "\t25.12.2024"},
         false},
        {"only the header", {Header}, true},
        {"header after blanks", {"  \t" + Header + " KV10C-X"}, true},
        {"blank first line", {"", Header, "01 234 568\t25.12.2024"}, false},
        {"other header", {";Список номеров", "01 234 568"}, false},
        {"empty file", {}, false},
        {"key not at the start of its line", {Header, " " + Key}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SerialListPermitsWrite(c.lines, Key), c.permitted) << c.what;
}

class SerialListFile : public ::testing::Test {
protected:
    QString path() const { return SerialListPath(dir.path() + "/", "6102"); }
    QTemporaryDir dir;
};

TEST_F(SerialListFile, ReadsTheListInWindows1251) {
    WriteWindows1251File(
        path(), {Header + " 10C", ";серийный номер, дата изменения", ";", ";", "00 000 005\t01.01.2024"});
    EXPECT_TRUE(SerialWritePermitted(path(), Key));
    EXPECT_FALSE(SerialWritePermitted(path(), "00 000 005"));
}

TEST_F(SerialListFile, MissingListPermitsNothing) {
    EXPECT_FALSE(SerialWritePermitted(path(), Key));
    ASSERT_TRUE(QDir(dir.path()).mkdir("SN_6102.TXT"));
    EXPECT_FALSE(SerialWritePermitted(path(), Key));
}

TEST_F(SerialListFile, UnreadableListRaisesTheIoError) {
    WriteWindows1251File(path(), {Header});
    QFile::setPermissions(path(), QFileDevice::Permissions{});
    QFile probe(path());
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files without read permission";
    EXPECT_THROW(SerialWritePermitted(path(), Key), EInOutError);
}

} // namespace
