// The iCalendar content lines: folding at 75 octets between UTF-8
// characters, TEXT escapes, exact minutes of the toki.
#include "CivilDay.h"
#include "IcsText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IcsText, LongLinesFoldBetweenCharactersAndUnfoldToThemselves)
{
    std::string line = "DESCRIPTION:";
    for (int i = 0; i < 40; ++i) {
        line += "暦";  // three octets each
    }
    const std::string folded = IcsLine(line);
    std::string unfolded;
    std::size_t start = 0;
    while (start < folded.size()) {
        const std::size_t end = folded.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string piece = folded.substr(start, end - start);
        EXPECT_LE(piece.size(), 75u);
        const std::string content = start == 0 ? piece : piece.substr(1);
        if (start > 0) {
            EXPECT_EQ(piece[0], ' ');
        }
        // Each piece starts on a character: not on a continuation octet.
        EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80);
        unfolded += content;
        start = end + 2;
    }
    EXPECT_EQ(unfolded, line);
    EXPECT_EQ(IcsLine("VERSION:2.0"), "VERSION:2.0\r\n");
}

TEST(IcsText, EscapesAndTimes)
{
    EXPECT_EQ(IcsEscape("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    // 06:11 in Japan on 2024-12-21 is 21:11 UT the day before; -20 minutes
    // (23:40 of the 20th) is 14:40 UT on the 20th; 1450 is 00:10 of the 22nd.
    const int day = DayNumberOf({2024, 12, 21});
    EXPECT_EQ(IcsUtcMinuteOfDay(day, 371, 540), "20241220T211100Z");
    EXPECT_EQ(IcsUtcMinuteOfDay(day, -20, 540), "20241220T144000Z");
    EXPECT_EQ(IcsUtcMinuteOfDay(day, 1450, -300), "20241222T051000Z");
    EXPECT_EQ(IcsDate({2024, 2, 3}), "20240203");
}

}  // namespace
