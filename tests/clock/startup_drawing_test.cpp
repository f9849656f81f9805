#include "ClockRig.h"

#include "TokiNames.h"

#include <string>
#include <vector>

// Yokohama (the default place), 2006-01-01: boundaries at 06:15 (toki 6),
// 07:10 (toki 7); the toki before 06:15 is 5.

namespace {

using StartUp = ClockRig;

TEST_F(StartUp, HandsPlaceAndAlarmToTheTimeModelAndStartsTheBaseTimer)
{
    settings.alarmEnable = 1;
    settings.alarmHour = 6;
    settings.alarmMinutes = 14;
    Start(At(2006, 1, 1, 6, 13, 57));

    EXPECT_TRUE(platform.messages.empty());
    ASSERT_TRUE(platform.IsRunning(kBaseTimer));
    EXPECT_EQ(platform.timers[kBaseTimer].periodMs, 250);
    EXPECT_EQ(controller.Calendar().GetCurrentToki(), 5);
    EXPECT_EQ(controller.JoyaArmed(), 1);
    EXPECT_EQ(controller.JoyaLeft(), 0);
    EXPECT_EQ(controller.StrikesLeft(), 0);
    EXPECT_EQ(controller.AnimationStep(), 0);
    EXPECT_EQ(controller.StrikeCount(0), 9);
    EXPECT_EQ(controller.StrikeCount(6), 6);
    EXPECT_EQ(controller.StrikeCount(23), 1);

    RunUntil(At(2006, 1, 1, 6, 14, 0));
    ASSERT_EQ(platform.messages.size(), 1u);  // the alarm time reached the model
    RunUntil(At(2006, 1, 1, 6, 15, 0));
    EXPECT_EQ(controller.Calendar().GetCurrentToki(), 6);
}

TEST_F(StartUp, BaseTimerFailureIsReportedAndTheClockStandsStill)
{
    platform.failingTimers = {kBaseTimer};
    settings.chime = TICK_HOUR;
    Start(At(2006, 1, 1, 6, 59, 0));

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "基本タイマー初期設定不能");
    EXPECT_EQ(platform.messages[0].caption, "");  // the application title
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(platform.PicturesOf(ClockPicture::Face).size(), 1u);  // the face is still painted

    RunUntil(At(2006, 1, 1, 7, 5, 0));
    EXPECT_TRUE(platform.TextsAt(50, 38).empty());
    EXPECT_TRUE(platform.sounds.empty());
}

using Drawing = ClockRig;

TEST_F(Drawing, TimeCarriesATrailingBlankAndIsDrawnOncePerSecond)
{
    Start(At(2006, 1, 1, 6, 14, 5));
    RunForMs(250);
    auto texts = platform.TextsAt(50, 38);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "06:14:05 ");
    EXPECT_EQ(texts[0].font, ClockFont::Large);
    EXPECT_EQ(texts[0].background, kWhite);

    RunForMs(1000);  // four more ticks, one new second
    texts = platform.TextsAt(50, 38);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "06:14:06 ");

    controller.FullPaint();  // wipes the time: the next tick draws it again
    RunForMs(250);
    texts = platform.TextsAt(50, 38);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].text, "06:14:06 ");
}

struct PaintCase {
    int alarmEnable, addText;
    std::vector<std::string> expected;
};

TEST_F(Drawing, FullPaintDrawsTheAlarmTimeAndLabelOnlyWhenTheirFlagIsOne)
{
    settings.alarmHour = 7;
    settings.alarmMinutes = 5;
    const std::string label = std::string("text ") + PaddedLabelFor(7);
    const PaintCase cases[] = {
        {0, 0, {"draw face", "draw bell", "draw branch", "draw toki"}},
        {2, 2, {"draw face", "draw bell", "draw branch", "draw toki"}},
        {1, 0, {"draw face", "text 07:05", "draw bell", "draw branch", "draw toki"}},
        {0, 1, {"draw face", "draw bell", "draw branch", "draw toki", label}},
        {1, 1, {"draw face", "text 07:05", "draw bell", "draw branch", "draw toki", label}},
    };
    for (const auto& c : cases) {
        settings.alarmEnable = c.alarmEnable;
        settings.addText = c.addText;
        Start(At(2006, 1, 1, 7, 20, 30));  // toki 7
        platform.ClearRecords();
        controller.FullPaint();
        EXPECT_EQ(platform.calls, c.expected)
            << "alarmEnable " << c.alarmEnable << " addText " << c.addText;
    }
}

TEST_F(Drawing, PicturesAndTextsOfTheFullPaintSitAtTheirPlaces)
{
    settings.alarmEnable = 1;
    settings.alarmHour = 7;
    settings.alarmMinutes = 5;
    settings.addText = 1;
    Start(At(2006, 1, 1, 7, 20, 30));  // toki 7

    using P = FakeClockPlatform::Picture;
    const auto expectPicture = [](const P& p, int srcX, int w, int h, int x, int y) {
        EXPECT_EQ(p.srcX, srcX);
        EXPECT_EQ(p.srcY, 0);
        EXPECT_EQ(p.width, w);
        EXPECT_EQ(p.height, h);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
    };
    ASSERT_EQ(platform.pictures.size(), 4u);
    expectPicture(platform.pictures[0], 0, 180, 200, 0, 0);
    expectPicture(platform.pictures[1], 0, 90, 90, 58, 62);
    expectPicture(platform.pictures[2], 7 * 29, 29, 29, 119, 5);
    expectPicture(platform.pictures[3], 7 * 31, 31, 54, 5, 94);

    ASSERT_EQ(platform.texts.size(), 2u);
    EXPECT_EQ(platform.texts[0].text, "07:05");
    EXPECT_EQ(platform.texts[0].x, 5);
    EXPECT_EQ(platform.texts[0].y, 72);
    EXPECT_EQ(platform.texts[0].font, ClockFont::Medium);
    EXPECT_EQ(platform.texts[0].background, (Rgb{217, 217, 25}));
    EXPECT_EQ(platform.texts[1].text, " 明六つ半（卯>辰）");
    EXPECT_EQ(platform.texts[1].x, 0);
    EXPECT_EQ(platform.texts[1].y, 0);
    EXPECT_EQ(platform.texts[1].font, ClockFont::Small);
    EXPECT_EQ(platform.texts[1].background, (Rgb{255, 127, 0}));
}

TEST_F(Drawing, AlarmTimeIsTwoDigitsEach)
{
    settings.alarmEnable = 1;
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {{0, 0, "00:00"}, {7, 5, "07:05"}, {23, 59, "23:59"}, {12, 30, "12:30"}};
    for (const auto& c : cases) {
        settings.alarmHour = c.hour;
        settings.alarmMinutes = c.minute;
        platform.ClearRecords();
        Start(At(2006, 1, 1, 7, 20, 30));  // its full paint draws the face
        const auto texts = platform.TextsAt(5, 72);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.text);
    }
}

struct BranchCase {
    int display;
    std::vector<std::pair<int, int>> draws;  // (minutes past 07:00, frame)
};

class BranchDisplay : public ClockRig, public ::testing::WithParamInterface<BranchCase> {};

// 07:10 is the boundary of toki 7; at 08:00, a clock hour, toki 7 is still current.
TEST_P(BranchDisplay, BranchPictureChangesWithItsMaskAndShowsHourOrToki)
{
    settings.twelveShiDisplay = GetParam().display;
    Start(At(2006, 1, 1, 7, 8, 57));
    platform.ClearRecords();
    RunUntil(At(2006, 1, 1, 8, 0, 1));

    std::vector<std::pair<int, int>> draws;
    for (const auto& p : platform.PicturesOf(ClockPicture::Branch)) {
        const LocalTime t = WallClockAt(p.atMs);
        draws.emplace_back((t.hour - 7) * 60 + t.minute, p.srcX / 29);
    }
    EXPECT_EQ(draws, GetParam().draws);

    // The toki picture follows the boundaries whatever the display.
    const auto toki = platform.PicturesOf(ClockPicture::Toki);
    ASSERT_EQ(toki.size(), 1u);
    EXPECT_EQ(toki[0].srcX, 7 * 31);
    EXPECT_EQ(WallClockAt(toki[0].atMs).minute, 10);
}

INSTANTIATE_TEST_SUITE_P(Displays, BranchDisplay,
                         ::testing::Values(BranchCase{3, {{10, 7}}},  // temporal: by toki
                                           BranchCase{4, {{60, 8}}},  // fixed: by clock hour
                                           // any other value is a mask, frame by toki
                                           BranchCase{7, {{10, 7}, {60, 7}}}));

TEST_F(Drawing, BellFramesFollowTheAnimationStep)
{
    Start(At(2006, 1, 1, 7, 20, 30));
    Command(ClockCommand::Strike);
    platform.ClearRecords();
    RunForMs(30 * 200);

    std::vector<int> frames;
    for (const auto& p : platform.PicturesOf(ClockPicture::Bell)) {
        EXPECT_EQ(p.x, 58);
        EXPECT_EQ(p.y, 62);
        frames.push_back(p.srcX / 90);
    }
    std::vector<int> expected;
    for (int step = 1; step <= 14; ++step) {
        expected.push_back(step);  // moving, the stroke at frames 7 to 9
    }
    expected.resize(30, 0);  // steps 15 to 29 and the closing step 0: at rest
    EXPECT_EQ(frames, expected);
    EXPECT_FALSE(platform.IsRunning(kAnimationTimer));
}

}  // namespace
