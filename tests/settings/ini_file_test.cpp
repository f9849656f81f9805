#include "IniFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Rewrite(const std::string& text, const std::vector<IniEntry>& entries)
{
    std::istringstream in(text);
    std::ostringstream out;
    EXPECT_TRUE(RewriteIni(in, out, entries));
    return out.str();
}

std::vector<std::optional<std::string>> Read(const std::string& text,
                                             const std::vector<IniKey>& keys)
{
    std::istringstream in(text);
    return ReadIniValues(in, keys);
}

TEST(IniRead, FindsKeysByTheIniMatchingRules)
{
    const std::string text =
        "Chime=99\n"                       // before any section: belongs to none
        "[time system]\r\n"                // section names ignore ASCII case
        "  chime =  7  \r\n"               // blanks around key and value
        "; Joya=1\n"
        "# Joya=2\n"
        "Joya\n"                           // no "=": not a key line
        "Chime=8\n"                        // a duplicate key: the first counts
        "[ Location ]\n"
        "City=\x89\xA1\x95\x6C\n"          // CP932 bytes pass through
        "Empty=\n"
        "[Alarm\n"                         // no "]": not a header
        "Hour=5\n"
        "[Time System]\n"                  // a duplicate section: ignored
        "Joya=3\n"
        "ChimeCount=4\n";
    const auto values = Read(text, {{"Time System", "Chime"},
                                     {"Time System", "Joya"},
                                     {"Time System", "ChimeCount"},
                                     {"Location", "City"},
                                     {"Location", "Empty"},
                                     {"Location", "Hour"},
                                     {"Alarm", "Hour"}});
    EXPECT_EQ(values[0], std::optional<std::string>("7"));
    EXPECT_EQ(values[1], std::nullopt);
    EXPECT_EQ(values[2], std::nullopt);
    EXPECT_EQ(values[3], std::optional<std::string>("\x89\xA1\x95\x6C"));
    EXPECT_EQ(values[4], std::optional<std::string>(""));
    EXPECT_EQ(values[5], std::optional<std::string>("5"));
    EXPECT_EQ(values[6], std::nullopt);
}

TEST(IniRead, AnyBytesAreReadWithoutHarm)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) & 0xFF);
    }
    const std::string text = binary + "\n[A]\nk=" + std::string(1 << 20, '\0') + "\n[B]\nk=v\n";
    const auto values = Read(text, {{"A", "k"}, {"B", "k"}});
    ASSERT_TRUE(values[0]);
    EXPECT_EQ(values[0]->size(), 1u << 20);
    EXPECT_EQ(values[1], std::optional<std::string>("v"));
}

struct RewriteCase {
    const char* name;
    std::string before;
    std::vector<IniEntry> entries;
    std::string after;
};

TEST(IniRewrite, ReplacesInPlaceAndKeepsEveryOtherLine)
{
    const RewriteCase cases[] = {
        {"empty text gets sections in entry order",
         "",
         {{"S", "a", "1"}, {"T", "b", "2"}, {"S", "c", "3"}},
         "[S]\na=1\nc=3\n[T]\nb=2\n"},
        {"value replaced, text before it and line ending kept",
         "; mine\r\n[S]\r\n  A = old value \r\nz=9\r\n",
         {{"S", "a", "new"}},
         "; mine\r\n[S]\r\n  A = new\r\nz=9\r\n"},
        {"missing key follows the section's last key, before blank lines",
         "[S]\na=1\n; note\n\n[T]\nb=2\n",
         {{"S", "c", "3"}, {"T", "d", "4"}},
         "[S]\na=1\nc=3\n; note\n\n[T]\nb=2\nd=4\n"},
        {"comments between keys stay where they are",
         "[S]\na=1\n; between\nb=2\n",
         {{"S", "a", "5"}, {"S", "b", "6"}},
         "[S]\na=5\n; between\nb=6\n"},
        {"missing section at the end uses the text's line ending",
         "[Other]\r\nx=1\r\n",
         {{"S", "a", "1"}},
         "[Other]\r\nx=1\r\n[S]\r\na=1\r\n"},
        {"last line without ending gets one before more is added",
         "[S]\na=1",
         {{"S", "a", "2"}, {"S", "b", "3"}},
         "[S]\na=2\nb=3\n"},
        {"a lone carriage return does not end a line",
         "[S]\na=1\r",
         {{"T", "b", "2"}},
         "[S]\na=1\r\n[T]\nb=2\n"},
        {"last line without ending stays so when nothing follows",
         "[S]\na=1",
         {{"S", "a", "2"}},
         "[S]\na=2"},
        {"only the first key of a name and the first section of a name",
         "[S]\na=1\na=2\n[S]\na=3\n",
         {{"S", "a", "9"}},
         "[S]\na=9\na=2\n[S]\na=3\n"},
        {"keys outside our sections are left alone",
         "a=1\n[T]\na=2\n",
         {{"S", "a", "9"}},
         "a=1\n[T]\na=2\n[S]\na=9\n"},
        {"a section with no keys gets them right after its header",
         "[S]\n\n[T]\n",
         {{"S", "a", "1"}},
         "[S]\na=1\n\n[T]\n"},
        {"line breaks in a value cannot break the file",
         "",
         {{"S", "a", "x\r\n[T]"}},
         "[S]\na=x  [T]\n"},
    };
    for (const RewriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Rewrite(c.before, c.entries), c.after);
    }
}

TEST(IniRewrite, AMegabyteLineIsCopiedWhole)
{
    const std::string big(1 << 20, 'x');
    const std::string before = "[S]\n" + big + "\na=1\n";
    EXPECT_EQ(Rewrite(before, {{"S", "a", "2"}}), "[S]\n" + big + "\na=2\n");
}

}  // namespace
