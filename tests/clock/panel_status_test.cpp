#include "ClockRig.h"
#include "PanelStatusText.h"

#include <string>

// Yokohama (the default place), 2006-01-01: toki 15 (昼八つ半) until 15:25,
// when 夕七つ (toki 16) begins; 朝四つ (toki 10) from 09:55.

namespace {

TEST(PanelStatusText, NamesTheTokiInTheDisplaysStyleAndTheNextPlainly)
{
    struct Case {
        int toki, next, nextMinute;
        bool fixedHours;
        const char* text;
    };
    const Case cases[] = {
        {18, 19, 18 * 60 + 2, false, "暮六つ（酉） — 次は 暮六つ半 18:02"},
        {19, 20, 19 * 60 + 2, false, "暮六つ半（酉>戌） — 次は 夜五つ 19:02"},
        {18, 19, 18 * 60 + 2, true, "暮六つ — 次は 暮六つ半 18:02"},
        // The night's last half toki: the next is 暁九つ after midnight.
        {23, 0, 1440 + 23, false, "夜四つ半（亥>子） — 次は 暁九つ 00:23"},
        {0, 1, -5, false, "暁九つ（子） — 次は 暁九つ半 23:55"},
        {24, -1, 60, false, "- — 次は - 01:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PanelStatusText(c.toki, c.next, c.nextMinute, c.fixedHours), c.text)
            << "toki " << c.toki;
    }
}

class PanelStatusPush : public ClockRig {
protected:
    const PanelStatus& Last() const { return platform.panelUpdates.back().status; }
};

TEST_F(PanelStatusPush, FollowsTheTokiAcrossABoundaryAndAJump)
{
    settings.indicator = 1;
    Start(At(2006, 1, 1, 15, 20, 0));
    ASSERT_EQ(platform.panelUpdates.size(), 1u);
    EXPECT_TRUE(Last().shown);
    EXPECT_EQ(Last().toki, 15);
    EXPECT_EQ(Last().text, "昼八つ半（未>申） — 次は 夕七つ 15:25");

    RunUntil(At(2006, 1, 1, 15, 25, 5));
    ASSERT_EQ(platform.panelUpdates.size(), 2u);
    EXPECT_EQ(platform.panelUpdates.back().atMs, MsOf(At(2006, 1, 1, 15, 25, 0)));
    EXPECT_EQ(Last().toki, 16);
    EXPECT_EQ(Last().text.rfind("夕七つ（申） — 次は 夕七つ半 ", 0), 0u) << Last().text;

    // Asleep until 10:00 the next morning: the toki of then, at once.
    MoveWallClock(18 * 3600 + 35 * 60);
    RunForMs(2000);
    ASSERT_EQ(platform.panelUpdates.size(), 3u);
    EXPECT_EQ(Last().toki, 10);
    EXPECT_EQ(Last().text.rfind("朝四つ（巳） — 次は 朝四つ半 ", 0), 0u) << Last().text;
}

TEST_F(PanelStatusPush, OffTheItemIsTakenAwayOnceAndBoundariesPushNothing)
{
    Start(At(2006, 1, 1, 15, 20, 0));
    ASSERT_EQ(platform.panelUpdates.size(), 1u);
    EXPECT_FALSE(Last().shown);
    EXPECT_TRUE(Last().text.empty());
    RunUntil(At(2006, 1, 1, 15, 25, 5));
    EXPECT_EQ(platform.panelUpdates.size(), 1u);
}

TEST_F(PanelStatusPush, SettingsOkPushesTheNamesOfTheNewDisplayStyle)
{
    settings.indicator = 1;
    Start(At(2006, 1, 1, 15, 20, 0));
    platform.onSettingsDialog = [](SettingsFields& fields) {
        fields.twelveShiIndex = 1;  // 定時法
        return true;
    };
    Command(ClockCommand::Settings);
    ASSERT_EQ(platform.panelUpdates.size(), 2u);
    EXPECT_TRUE(Last().shown);
    EXPECT_EQ(Last().text, "昼八つ半 — 次は 夕七つ 15:25");

    platform.onSettingsDialog = [](SettingsFields&) { return false; };
    Command(ClockCommand::Settings);
    EXPECT_EQ(platform.panelUpdates.size(), 2u) << "Cancel changes nothing";

    // Switched off at OK the item goes; on again, it comes back at once.
    for (const int on : {0, 1}) {
        platform.onSettingsDialog = [on](SettingsFields& fields) {
            fields.indicator = on;
            return true;
        };
        Command(ClockCommand::Settings);
        EXPECT_EQ(Last().shown, on == 1);
    }
    EXPECT_EQ(platform.panelUpdates.size(), 4u);
    EXPECT_EQ(Last().text, "昼八つ半 — 次は 夕七つ 15:25");
}

}  // namespace
