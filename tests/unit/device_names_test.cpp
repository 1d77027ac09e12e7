#include "platform/device_names.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Builds text with characters of code 0 written as '|', which reads better in tables.
QString zeros(const char* text) {
    return QString::fromLatin1(text).replace(u'|', QChar(0));
}

struct TokenCase {
    const char* text;
    int pos;
    const char* token;
    int posAfter;
};

class NextTokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(NextTokenTest, TakesTextUpToNextZero) {
    const TokenCase& c = GetParam();
    int pos = c.pos;
    QString token = QStringLiteral("stale");
    NextToken(zeros(c.text), pos, token);
    EXPECT_EQ(token, QString::fromLatin1(c.token));
    EXPECT_EQ(pos, c.posAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextTokenTest,
    testing::Values(TokenCase{"COM1|COM2||", 1, "COM1", 6}, TokenCase{"COM1|COM2||", 6, "COM2", 11},
                    TokenCase{"COM1|COM2||", 11, "", 12}, // the empty name ending the table
                    TokenCase{"COM1|COM2||", 3, "M1", 6}, // from the middle of a name
                    TokenCase{"COM1|", 6, "", 6},         // just beyond the end
                    TokenCase{"COM1|", 40, "", 40}, TokenCase{"", 1, "", 1},
                    TokenCase{"COM1|COM2", 6, "", 6}, // no zero follows: nothing taken
                    TokenCase{"|", 1, "", 2}));

TEST(NextTokenRange, PositionBelowOneRaisesRangeError) {
    for (int bad : {0, -1}) {
        int pos = bad;
        QString token;
        try {
            NextToken(zeros("COM1|"), pos, token);
            FAIL() << "no error for position " << bad;
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("aStartPos должен быть больше 0"));
        }
        EXPECT_EQ(pos, bad);
    }
}

struct TableCase {
    const char* table;
    const char* prefix;
    QStringList names;
};

class ComNamesTest : public testing::TestWithParam<TableCase> {};

TEST_P(ComNamesTest, KeepsComNamesInTableOrder) {
    const TableCase& c = GetParam();
    EXPECT_EQ(ComNamesFromDeviceTable(zeros(c.table), QString::fromLatin1(c.prefix)), c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComNamesTest,
    testing::Values(
        TableCase{"COM3|LPT1|com1|C:|COMMAND|COM12|NUL||", "COM", {"COM3", "com1", "COMMAND", "COM12"}},
        TableCase{"COM3|com1||", "com", {"COM3", "com1"}},         // the prefix ignores letter case
        TableCase{"COM3|COM1|COM12||", "COM1", {"COM1", "COM12"}}, // a longer prefix narrows the list
        TableCase{"CO|COM1||", "CO", {"COM1"}},                    // the "COM" rule holds whatever the prefix
        TableCase{"COM1||COM2|", "COM", {"COM1"}},                 // the empty name ends the table
        TableCase{"COM1|COM2", "COM", {"COM1"}},                   // an unterminated last name is dropped
        TableCase{"", "COM", {}}, TableCase{"LPT1|AUX||", "COM", {}}));

TEST(LongComPortName, OnlyNumbersOfTwoOrMoreDigitsGetTheDeviceNamespace) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM12", "\\\\.\\COM12"},
        {"COM123", "\\\\.\\COM123"},
        {"COM3", "COM3"},
        {"COM", "COM"},
        {"\\\\.\\COM12", "\\\\.\\COM12"}, // already long: unchanged
        {"com12", "com12"},               // "COM" is matched in upper case only
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"xCOM1COM22", "\\\\.\\COM1COM22"}, // everything after the first "COM"
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(LongComPortName(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST(NaturalLess, SortsDevicePathsByTheirNumbers) {
    const QStringList sorted = {"/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyS0",   "/dev/ttyS1",
                                "/dev/ttyS2",   "/dev/ttyS10",  "/dev/ttyS11",  "/dev/ttyS99",
                                "/dev/ttyS100", "/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10"};
    QStringList shuffled = sorted;
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        std::sort(shuffled.begin(), shuffled.end(), NaturalLess);
        EXPECT_EQ(shuffled, sorted);
    }
}

TEST(NaturalLess, IsAStrictOrderAtItsEdges) {
    struct Pair {
        const char* a;
        const char* b;
    };
    // Each pair is in order: a before b and never b before a.
    const Pair ordered[] = {
        {"ttyS", "ttyS0"},                                   // a shorter name first
        {"ttyS9", "ttyS10"},                                 // by value, not by first digit
        {"ttyS01", "ttyS1"},                                 // equal values fall back to plain order
        {"ttyS2a", "ttyS02b"},                               // ...but only when everything else is equal
        {"a99999999999999999999", "a100000000000000000000"}, // numbers beyond any integer type
        {"tty/9", "tty10"}, // digits sort between '/' and ':', as in plain order
        {"tty10", "tty:"},
    };
    for (const Pair& p : ordered) {
        EXPECT_TRUE(NaturalLess(QString::fromLatin1(p.a), QString::fromLatin1(p.b))) << p.a << " < " << p.b;
        EXPECT_FALSE(NaturalLess(QString::fromLatin1(p.b), QString::fromLatin1(p.a))) << p.b << " < " << p.a;
    }
    EXPECT_FALSE(NaturalLess(QStringLiteral("ttyS3"), QStringLiteral("ttyS3")));
}

} // namespace
