#include "InputRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct IntCase {
    std::string text;
    bool ok;
    int value;
};

TEST(DialogIntegerRule, AcceptsAndRejectsAsTheDialogsDo)
{
    const IntCase cases[] = {
        {"0", true, 0},
        {"00", true, 0},
        {" 12 ", true, 12},
        {"\t-5\t", true, -5},
        {"+139", true, 139},
        {"007", true, 7},
        {"-2147483648", true, INT_MIN},
        {"2147483647", true, INT_MAX},
        {"2147483648", true, INT_MAX},         // saturates, no wrap
        {"-99999999999999999999", true, INT_MIN},
        {"", false, 0},
        {"   ", false, 0},
        {"+0", false, 0},
        {"-0", false, 0},
        {"abc", false, 0},
        {"12abc", false, 0},
        {"1 2", false, 0},
        {"+", false, 0},
        {"- 5", false, 0},
        {"0x10", false, 0},
        {"１２", false, 0},                     // full-width digits
        {"12\n", false, 0},                    // only blanks and tabs may follow
        {"\n12", false, 0},                    // and only they may lead
        {"１", false, 0},
        // Only the first 31 bytes count: what lies beyond is never seen.
        {"12" + std::string(29, ' ') + "x", true, 12},
        {"12" + std::string(28, ' ') + "x", false, 0},
        {std::string(30, ' ') + "5" + "junk", true, 5},
        {std::string(31, ' ') + "5", false, 0},  // the digit lies outside
        {std::string(31, '0') + "1", true, 0},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        const InputCheck check = ParseDialogInt(c.text);
        EXPECT_EQ(check.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(check.value, c.value);
            EXPECT_EQ(check.error, InputError::None);
            EXPECT_EQ(check.message, "");
        } else {
            EXPECT_EQ(check.error, InputError::NotInteger);
            EXPECT_EQ(check.message, "整数を入力してください。");
        }
    }
}

TEST(DialogIntegerRule, RangeChecksNameTheirBounds)
{
    const struct {
        const char* text;
        int low, high;
        InputError error;
        const char* message;
    } cases[] = {
        {"121", 122, 153, InputError::OutOfRange, "122 から 153 までの整数を入力してください。"},
        {"154", 122, 153, InputError::OutOfRange, "122 から 153 までの整数を入力してください。"},
        {"122", 122, 153, InputError::None, ""},
        {"153", 122, 153, InputError::None, ""},
        {"60", 0, 59, InputError::OutOfRange, "0 から 59 までの整数を入力してください。"},
        {"-1", 0, 59, InputError::OutOfRange, "0 から 59 までの整数を入力してください。"},
        {"99999999999", 0, 59, InputError::OutOfRange, "0 から 59 までの整数を入力してください。"},
        {"x", 0, 59, InputError::NotInteger, "整数を入力してください。"},
        {"5", -10, -1, InputError::OutOfRange, "-10 から -1 までの整数を入力してください。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const InputCheck check = ParseDialogIntInRange(c.text, c.low, c.high);
        EXPECT_EQ(check.ok, c.error == InputError::None);
        EXPECT_EQ(check.error, c.error);
        EXPECT_EQ(check.message, c.message);
    }
    EXPECT_EQ(ParseDialogIntInRange(" 139 ", 122, 153).value, 139);
}

TEST(DialogTextRule, PlaceNameIsLimitedTo20ShiftJisBytes)
{
    const struct {
        std::string text;
        bool ok;
    } cases[] = {
        {"", true},
        {"一二三四五六七八九十", true},       // ten double-byte characters: 20 bytes
        {"一二三四五六七八九十一", false},    // eleven: 22
        {"一二三四五六七八九a", true},        // 19
        {"一二三四五六七八九十a", false},     // 21
        {"abcdefghijklmnopqrst", true},
        {"abcdefghijklmnopqrstu", false},
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ", true},       // half-width kana: one byte each
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const InputCheck check = CheckShiftJisLength(c.text, kPlaceNameMaxBytes);
        EXPECT_EQ(check.ok, c.ok);
        EXPECT_EQ(check.message, c.ok ? "" : "20 文字以内で入力してください。");
        EXPECT_EQ(check.error, c.ok ? InputError::None : InputError::TooLong);
    }
}

TEST(DialogMessages, SubstitutionReplacesNumberedMarkersOnly)
{
    EXPECT_EQ(FormatMessageText(kOutOfRangeMessage, {"1", "2"}),
              "1 から 2 までの整数を入力してください。");
    EXPECT_EQ(FormatMessageText(kTooLongMessage, {"20"}), "20 文字以内で入力してください。");
    EXPECT_EQ(FormatMessageText("%2%1%%3%", {"a", "b"}), "ba%%3%");
    EXPECT_EQ(std::string(kNotIntegerMessage), "整数を入力してください。");
}

}  // namespace
