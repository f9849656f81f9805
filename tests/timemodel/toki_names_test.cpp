#include "ClockSource.h"
#include "ShiftJis.h"
#include "TokiCalendar.h"
#include "TokiNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Converts UTF-8 to CP932; fails the test on any unconvertible character,
// which the converter would have replaced by '?'.
std::string ToCp932(const std::string& utf8)
{
    const std::string cp932 = Utf8ToCp932(utf8);
    EXPECT_EQ(cp932.find('?'), std::string::npos) << utf8;
    return cp932;
}

TEST(TokiNames, PaddedLabelsAreEighteenBytesInShiftJis)
{
    for (int k = 0; k < kTokiCount; ++k) {
        EXPECT_EQ(ToCp932(kPaddedLabels[k]).size(), 18u) << k;
    }
    EXPECT_EQ(ToCp932(kErrorLabel).size(), 17u);
}

TEST(TokiNames, FormsFollowTheBellCountPattern)
{
    // Full toki: branch name = plain name + " (" + sign + ")"; half toki: identical.
    const char* const signs[] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
    for (int k = 0; k < kTokiCount; ++k) {
        if (k % 2 == 0) {
            EXPECT_EQ(std::string(kBranchNames[k]),
                      std::string(kPlainNames[k]) + " (" + signs[k / 2] + ")");
            EXPECT_EQ(std::string(kPaddedLabels[k]),
                      " " + std::string(kPlainNames[k]) + "    （" + signs[k / 2] + "） ");
        } else {
            EXPECT_STREQ(kBranchNames[k], kPlainNames[k]);
            EXPECT_EQ(std::string(kPaddedLabels[k]), " " + std::string(kPlainNames[k]) + "（" +
                                                         signs[k / 2] + ">" +
                                                         signs[(k / 2 + 1) % 12] + "）");
        }
    }
    EXPECT_STREQ(kPaddedLabels[1], " 暁九つ半（子>丑）");
    EXPECT_STREQ(kPaddedLabels[23], " 夜四つ半（亥>子）");
    EXPECT_STREQ(kPlainNames[6], "明六つ");
    EXPECT_STREQ(kBranchNames[18], "暮六つ (酉)");
}

TEST(TokiNames, OutOfRangeIndexGetsTheErrorLabel)
{
    EXPECT_STREQ(PaddedLabelFor(-1), " -System Error-  ");
    EXPECT_STREQ(PaddedLabelFor(24), " -System Error-  ");
    EXPECT_STREQ(PaddedLabelFor(0), " 暁九つ    （子） ");
}

TEST(TokiNames, BranchSignsOnlyOnTheFullToki)
{
    EXPECT_STREQ(kBranchNames[0], "暁九つ (子)");
    EXPECT_STREQ(kBranchNames[7], "明六つ半");
    EXPECT_STREQ(kPlainNames[0], "暁九つ");
}

}  // namespace
