#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct Encoding {
    const char* utf8;
    const char* cp932;
};

TEST(ShiftJis, KnownTextsConvertBothWays)
{
    const Encoding cases[] = {
        {"", ""},
        {"Vellmor 12:00", "Vellmor 12:00"},
        {"横浜", "\x89\xA1\x95\x6C"},
        {"那覇", "\x93\xDF\x94\x65"},
        {"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},  // half-width katakana: one byte each
        {"鐘を鳴らさない", "\x8F\xE0\x82\xF0\x96\xC2\x82\xE7\x82\xB3\x82\xC8\x82\xA2"},
    };
    for (const Encoding& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
        EXPECT_EQ(ShiftJisByteLength(c.utf8), std::string(c.cp932).size());
    }
}

TEST(ShiftJis, InvalidUtf8AndUnencodableCharactersBecomeQuestionMarks)
{
    const Encoding cases[] = {
        {"\xFF", "?"},
        {"a\xE6\xA8", "a??"},               // 横 cut after two of its three bytes
        {"a\xF0\x9F\x98\x80" "b", "a?b"},   // an emoji: valid, but not in CP932
        {"\xC0\xAF", "??"},                 // overlong "/"
    };
    for (const Encoding& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
    }
    EXPECT_EQ(Utf8ToCp932(std::string("x\0y", 3)), std::string("x\0y", 3));
}

TEST(ShiftJis, InvalidCp932BytesBecomeReplacementCharacters)
{
    const Encoding cases[] = {
        {"\x80", ""},
        {"\xFF\xFE", ""},
        {"\x81", ""},         // a lead byte with nothing after it
        {"\x81\x0A" "b", ""},  // a lead byte whose trail is not one
    };
    const std::string expected[] = {
        kReplacement,
        kReplacement + kReplacement,
        kReplacement,
        kReplacement + "\nb",
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Cp932ToUtf8(cases[i].utf8), expected[i]);
    }
}

TEST(ShiftJis, ByteLengthCountsDoubleByteCharactersTwice)
{
    std::string ten;
    for (int i = 0; i < 10; ++i) {
        ten += "漢";
    }
    EXPECT_EQ(ShiftJisByteLength(ten), 20u);
    EXPECT_EQ(ShiftJisByteLength(ten + "字"), 22u);
    EXPECT_EQ(ShiftJisByteLength(ten + "a"), 21u);
    EXPECT_EQ(ShiftJisByteLength("ｱｲｳ"), 3u);
    EXPECT_EQ(ShiftJisByteLength("\xF0\x9F\x98\x80"), 1u);  // saved as "?"
}

TEST(ShiftJis, CutDropsADoubleByteCharacterThatWouldStraddle)
{
    const struct {
        std::string cp932;
        std::size_t max;
        std::string expected;
    } cases[] = {
        {"\x89\xA1\x95\x6C", 4, "\x89\xA1\x95\x6C"},
        {"\x89\xA1\x95\x6C", 3, "\x89\xA1"},
        {"\x89\xA1\x95\x6C", 1, ""},
        {"a\x89\xA1\x95\x6C", 4, "a\x89\xA1"},
        {"a\x89\xA1\x95\x6C", 5, "a\x89\xA1\x95\x6C"},
        {"ab\xB1\xB2", 3, "ab\xB1"},  // half-width kana are single bytes
        {"ab\x81", 10, "ab"},         // a lead byte without its trail
        {"abcdef", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.max);
        EXPECT_EQ(CutCp932(c.cp932, c.max), c.expected);
    }
}

TEST(ShiftJis, Utf8CutMeasuresInShiftJisBytes)
{
    EXPECT_EQ(CutUtf8ToShiftJisBytes("横浜", 3), "横");
    EXPECT_EQ(CutUtf8ToShiftJisBytes("横浜", 4), "横浜");
    EXPECT_EQ(CutUtf8ToShiftJisBytes("aｱ横", 3), "aｱ");
    EXPECT_EQ(CutUtf8ToShiftJisBytes("a\xFF" "b", 2), "a\xFF");
    EXPECT_EQ(CutUtf8ToShiftJisBytes("", 5), "");
}

}  // namespace
