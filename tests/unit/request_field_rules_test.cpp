#include "commands/request_field_rules.h"
#include "platform/errors.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr char16_t Drop = 0;
constexpr char16_t Back = BackspaceKey;

struct KeyCase {
    const char* name;
    RequestField field;
    bool hex;
    const char16_t* text;
    char16_t key;
    char16_t expected;
};

const KeyCase keyCases[] = {
    {"hex address takes a-f as upper case", RequestField::Address, true, u"", u'a', u'A'},
    {"hex address refuses other letters", RequestField::Address, true, u"", u'g', Drop},
    {"hex address stops at two characters", RequestField::Address, true, u"1F", u'3', Drop},
    {"backspace passes a full field", RequestField::Address, true, u"1F", Back, Back},
    {"decimal address takes a first 0", RequestField::Address, false, u"", u'0', u'0'},
    {"decimal address refuses letters", RequestField::Address, false, u"1", u'a', Drop},
    {"decimal address stops at three characters", RequestField::Address, false, u"255", u'1', Drop},
    {"a lone 0 turns any character into backspace", RequestField::Address, false, u"0", u'5', Back},
    {"a lone 0 with blanks round it as well", RequestField::Address, false, u" 0 ", u'x', Back},
    {"a lone 0 in hex mode is an ordinary digit", RequestField::Address, true, u"0", u'5', u'5'},
    {"a lone 0 still drops control characters", RequestField::Address, false, u"0", 22, Drop},
    {"decimal command refuses a leading 0", RequestField::Command, false, u"", u'0', Drop},
    {"decimal command takes 0 after a digit", RequestField::Command, false, u"1", u'0', u'0'},
    {"decimal command knows no lone-0 rule", RequestField::Command, false, u"0", u'5', u'5'},
    {"decimal command stops at three characters", RequestField::Command, false, u"300", u'1', Drop},
    {"hex command takes a first 0", RequestField::Command, true, u"", u'0', u'0'},
    {"hex command stops at two characters", RequestField::Command, true, u"2B", u'1', Drop},
    {"data has no length limit", RequestField::Data, false, u"000100020003", u'e', u'E'},
    {"data refuses blanks", RequestField::Data, false, u"", u' ', Drop},
    {"data refuses Ctrl+V", RequestField::Data, false, u"", 22, Drop},
    {"data refuses Ctrl+C", RequestField::Data, false, u"01", 3, Drop},
    {"data refuses Ctrl+X", RequestField::Data, false, u"01", 24, Drop},
    {"data refuses Enter", RequestField::Data, false, u"01", 13, Drop},
    {"other scripts' digits are not digits", RequestField::Data, false, u"", u'\u0663', Drop},
    {"Cyrillic a is not hex", RequestField::Data, false, u"", u'\u0430', Drop},
    {"full-width A is not hex", RequestField::Address, true, u"", u'\uFF21', Drop},
};

class KeyFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, TakesChangesOrDropsTheKey) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(FilterRequestKey(c.field, c.hex, QString::fromUtf16(c.text), QChar(c.key)).unicode(),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(RequestFields, KeyFilter, testing::ValuesIn(keyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(RequestTextAcceptable, ByFieldAndMode) {
    struct Case {
        RequestField field;
        bool hex;
        const char* text;
        bool acceptable;
    };
    const Case cases[] = {
        {RequestField::Address, true, "", true},       {RequestField::Address, false, "", true},
        {RequestField::Address, true, "1", false},     {RequestField::Address, true, "0A", true},
        {RequestField::Address, true, "12C", false},   {RequestField::Address, false, "300", true},
        {RequestField::Address, false, "1000", false}, {RequestField::Command, false, "255", true},
        {RequestField::Command, false, "256", false},  {RequestField::Command, false, "1000", false},
        {RequestField::Command, true, "4", false},     {RequestField::Command, true, "04", true},
        {RequestField::Data, false, "", true},         {RequestField::Data, false, "0", false},
        {RequestField::Data, false, "000100", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RequestTextAcceptable(c.field, c.hex, c.text), c.acceptable)
            << "field " << int(c.field) << " hex " << c.hex << " text " << c.text;
}

TEST(RequestTextAcceptable, DecimalCommandThatIsNoNumberRaises) {
    EXPECT_THROW(RequestTextAcceptable(RequestField::Command, false, "2B"), EConvertError);
}

TEST(BaseSwitch, ConvertsBothWays) {
    EXPECT_EQ(DecimalToHexText("7"), "07");
    EXPECT_EQ(DecimalToHexText("0"), "00");
    EXPECT_EQ(DecimalToHexText("255"), "FF");
    EXPECT_EQ(DecimalToHexText("300"), "12C");
    EXPECT_EQ(HexToDecimalText("0A"), "10");
    EXPECT_EQ(HexToDecimalText("00"), "0");
    EXPECT_EQ(HexToDecimalText("2b"), "43");
}

TEST(BaseSwitch, TextThatIsNoNumberRaises) {
    EXPECT_THROW(DecimalToHexText("1A"), EConvertError);
    EXPECT_THROW(HexToDecimalText("G1"), EConvertError);
}

} // namespace
