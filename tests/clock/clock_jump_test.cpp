#include "ClockRig.h"

#include "TokiNames.h"

#include <string>

// Yokohama (the default place), 2006-01-01: 朝四つ (toki 10) from 09:55,
// toki 14 from 13:35, 14:30 begins toki 15 (a half toki, one stroke);
// 暁七つ半 (toki 5) until 06:15, when 明六つ (toki 6) begins.

namespace {

constexpr int kBranchWidth = 29, kTokiWidth = 31;

class ClockJump : public ClockRig {
protected:
    // The last toki picture, sign and text line drawn, as frame indices and text.
    int LastTokiFrame() const { return platform.PicturesOf(ClockPicture::Toki).back().srcX / kTokiWidth; }
    int LastBranchFrame() const
    {
        return platform.PicturesOf(ClockPicture::Branch).back().srcX / kBranchWidth;
    }
    std::string LastTextLine() const { return platform.TextsAt(0, 0).back().text; }
};

TEST_F(ClockJump, WakingHoursLaterShowsTheTokiOfNowAndStrikesTheNextBoundaryOnTime)
{
    settings.addText = 1;
    Start(At(2006, 1, 1, 10, 30, 0));
    RunUntil(At(2006, 1, 1, 10, 30, 10));
    ASSERT_EQ(LastTokiFrame(), 10);

    // Asleep from 10:30:10 to 14:28:05.
    MoveWallClock((14 * 3600 + 28 * 60 + 5) - (10 * 3600 + 30 * 60 + 10));
    platform.ClearRecords();
    const long long wokeMs = platform.nowMs;
    RunForMs(1000);
    ASSERT_FALSE(platform.PicturesOf(ClockPicture::Toki).empty());
    EXPECT_EQ(LastTokiFrame(), 14);
    EXPECT_EQ(LastBranchFrame(), 14);
    EXPECT_EQ(LastTextLine(), PaddedLabelFor(14));
    EXPECT_TRUE(StrikesBetween(wokeMs, platform.nowMs).empty());

    RunUntil(At(2006, 1, 1, 14, 30, 10));
    EXPECT_EQ(LastTokiFrame(), 15);
    EXPECT_EQ(StrikesBetween(MsOf(At(2006, 1, 1, 14, 30, 0)), platform.nowMs).size(), 1u);
}

TEST_F(ClockJump, ASetBackClockShowsTheEarlierTokiAndStrikesItsBoundaryAgain)
{
    Start(At(2006, 1, 1, 14, 29, 50));
    RunUntil(At(2006, 1, 1, 14, 31, 0));
    ASSERT_EQ(LastTokiFrame(), 15);

    MoveWallClock(-(11 * 60));  // to 14:20:00
    RunForMs(1000);
    EXPECT_EQ(LastTokiFrame(), 14);
    const long long backMs = platform.nowMs;
    RunUntil(At(2006, 1, 1, 14, 30, 10));
    EXPECT_EQ(LastTokiFrame(), 15);
    EXPECT_EQ(StrikesBetween(backMs, platform.nowMs).size(), 1u);
}

// The text line names the toki the picture shows, from the boundary on,
// without waiting for a repaint of the whole window.
TEST_F(ClockJump, TheTextLineTurnsWithThePictureAtABoundary)
{
    settings.addText = 1;
    Start(At(2006, 1, 1, 6, 13, 50));
    ASSERT_EQ(LastTextLine(), PaddedLabelFor(5));
    platform.ClearRecords();
    RunUntil(At(2006, 1, 1, 6, 15, 1));
    ASSERT_FALSE(platform.TextsAt(0, 0).empty());
    EXPECT_EQ(LastTextLine(), PaddedLabelFor(6));
    EXPECT_EQ(LastTokiFrame(), 6);
    for (const auto& face : platform.PicturesOf(ClockPicture::Face)) {
        EXPECT_EQ(face.height, kLineHeight) << "only the strip under the line, no full repaint";
    }
}

}  // namespace
