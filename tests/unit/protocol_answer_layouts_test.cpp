#include "protocol/answer_layouts.h"

#include "link/frame.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

namespace {

// The data text of an answer from address 01 with its real checksum.
QString DataText(const QString& function, const QString& data) {
    return FrameText("01" + function + data).mid(4);
}

TEST(AnswerKindOf, DispatchesOnTheExactFunctionText) {
    const struct {
        const char* function;
        AnswerKind kind;
    } cases[] = {
        {"04", AnswerKind::RegisterRead},
        {"2B", AnswerKind::Identification},
        {"BadVersion2B", AnswerKind::Identification},
        {"60", AnswerKind::Clock},
        {"61", AnswerKind::Date},
        {"06", AnswerKind::Other},
        {"84", AnswerKind::Other},
        {"2b", AnswerKind::Other},
        {"", AnswerKind::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerKindOf(c.function), c.kind) << c.function;
}

struct RegisterCase {
    const char* what;
    QString dataText;
    const char* start;
    const char* count;
    bool tooShort;
    std::optional<int> address;
    std::optional<int> speedIndex;
    std::optional<int> status;
    std::optional<int> control;
};

TEST(RegisterReadAnswer, ShowsWhatTheLastReadAskedFor) {
    const RegisterCase cases[] = {
        {"poll: address, speed, status, control", DataText("04", "0401038140"), "0001", "0002", false, 1, 2,
         0x81, 0x40},
        {"hand-made read of 0002", DataText("04", "028140"), "0002", "0001", false, {}, {}, 0x81, 0x40},
        {"0002 ignores the count", DataText("04", "048140FFFF"), "0002", "0002", false, {}, {}, 0x81, 0x40},
        {"0001 with one register", DataText("04", "021105"), "0001", "0001", false, 17, 4, {}, {}},
        {"0001 with three registers", DataText("04", "06010381400000"), "0001", "0003", false, 1, 2, {}, {}},
        {"after a request of another function", DataText("04", "0401038140"), "", "", false, {}, {}, {}, {}},
        {"another start register", DataText("04", "0401038140"), "0003", "0002", false, {}, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RegisterDisplay d = DecodeRegisterReadAnswer(c.dataText, c.start, c.count);
        EXPECT_EQ(d.tooShort, c.tooShort);
        EXPECT_EQ(d.address, c.address);
        EXPECT_EQ(d.speedIndex, c.speedIndex);
        EXPECT_EQ(d.status, c.status);
        EXPECT_EQ(d.control, c.control);
        EXPECT_EQ(d.showsRegisters(), c.status.has_value());
    }
}

TEST(RegisterReadAnswer, ShortAnswersShowNothing) {
    const struct {
        const char* what;
        QString dataText;
        const char* start;
        const char* count;
    } cases[] = {
        // Without the length check the checksum's first byte would become the control register.
        {"one data byte missing", DataText("04", "04010381"), "0001", "0002"},
        {"checksum missing", "0401038140", "0001", "0002"},
        {"fewer registers than the poll reads", DataText("04", "020103"), "0001", "0002"},
        {"one byte for address and speed", DataText("04", "0101"), "0001", "0001"},
        {"one byte for status and control", DataText("04", "0181"), "0002", "0001"},
        {"only the checksum", DataText("04", ""), "0001", "0002"},
        {"empty", "", "0001", "0002"},
        {"incomplete even when nothing is shown", DataText("04", "040103"), "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RegisterDisplay d = DecodeRegisterReadAnswer(c.dataText, c.start, c.count);
        EXPECT_TRUE(d.tooShort);
        EXPECT_FALSE(d.address || d.speedIndex || d.status || d.control);
    }
}

TEST(RegisterReadAnswer, ParseKeepsTheAnnouncedCountAndTheBytesPresent) {
    const RegisterReadAnswer answer = ParseRegisterReadAnswer(DataText("04", "04010381"));
    EXPECT_EQ(answer.byteCount, 4);
    EXPECT_EQ(answer.data.size(), 4); // three data bytes and the first checksum byte
    EXPECT_FALSE(answer.complete);

    const RegisterReadAnswer whole = ParseRegisterReadAnswer(DataText("04", "0401038140"));
    EXPECT_EQ(whole.data, QByteArray::fromHex("01038140"));
    EXPECT_TRUE(whole.complete);
}

TEST(RegisterReadAnswer, SpeedCodesOneToEightSelectAnItem) {
    const struct {
        const char* code;
        std::optional<int> index;
    } cases[] = {
        {"00", {}}, {"01", 0}, {"03", 2}, {"07", 6}, {"08", 7}, {"09", {}}, {"0A", {}}, {"FF", {}},
    };
    for (const auto& c : cases) {
        const RegisterDisplay d =
            DecodeRegisterReadAnswer(DataText("04", QString("0405") + c.code + "0000"), "0001", "0002");
        EXPECT_EQ(d.speedIndex, c.index) << c.code;
        EXPECT_EQ(d.address, 5) << c.code;
    }
}

TEST(ClockAnswer, ShowsTheDigitsOfHoursAndMinutes) {
    const struct {
        const char* what;
        QString dataText;
        bool tooShort;
        std::optional<QString> time;
    } cases[] = {
        {"with the third byte", DataText("60", "140500"), false, "14:05"},
        {"hours and minutes only", DataText("60", "2359"), false, "23:59"},
        {"a digit that is not decimal", DataText("60", "1A05"), false, {}},
        {"minutes missing", DataText("60", "14"), true, {}},
        {"checksum missing", "1405", true, {}},
        {"empty", "", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ClockReading reading = DecodeClockAnswer(c.dataText);
        EXPECT_EQ(reading.tooShort, c.tooShort);
        EXPECT_EQ(reading.timeText, c.time);
    }
}

TEST(DateAnswer, ReadsDayMonthAndYearAfterTheFirstByte) {
    const struct {
        QString data;
        QDate date;
    } cases[] = {
        {"07000000", QDate(1980, 1, 1)},  {"03251224", QDate(2024, 12, 25)}, {"01290224", QDate(2024, 2, 29)},
        {"00150699", QDate(2099, 6, 15)}, {"FF010100", QDate(1980, 1, 1)},
    };
    for (const auto& c : cases) {
        const DateReading reading = DecodeDateAnswer(DataText("61", c.data));
        EXPECT_FALSE(reading.tooShort) << c.data.toStdString();
        EXPECT_EQ(reading.date, c.date) << c.data.toStdString();
    }
}

TEST(DateAnswer, InvalidDateRaisesTheConversionError) {
    const struct {
        const char* data;
        const char* message;
    } cases[] = {
        {"01310424", "'31.04.2024' is not a valid date"}, {"01011324", "'01.13.2024' is not a valid date"},
        {"01290223", "'29.02.2023' is not a valid date"}, {"011A0124", "'1A.01.2024' is not a valid date"},
        {"0101012A", "'01.01.202A' is not a valid date"}, {"01320000", "'32.01.1980' is not a valid date"},
    };
    for (const auto& c : cases) {
        try {
            DecodeDateAnswer(DataText("61", c.data));
            ADD_FAILURE() << c.data << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.text(), c.message);
        }
    }
}

TEST(DateAnswer, ShortAnswerIsReportedNotRaised) {
    for (const QString& text : {DataText("61", "012512"), QString("01251224"), QString()}) {
        const DateReading reading = DecodeDateAnswer(text);
        EXPECT_TRUE(reading.tooShort) << text.toStdString();
        EXPECT_FALSE(reading.date.isValid());
    }
}

} // namespace
