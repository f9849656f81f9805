// The desktop notification at each toki: its text, and which toki get one.
#include "ClockRig.h"

#include "ClockTimeText.h"
#include "TokiNotice.h"

#include <ostream>
#include <string>

// Yokohama (the default place), 2006-01-01: 暮六つ begins at 17:15, 暮六つ半
// after it; 明六つ at 06:15.

namespace {

TEST(TokiNoticeText, TheTokiWithItsSignTheClockTimeAndTheNextToki)
{
    const struct {
        TokiIndex toki;
        int minute;
        TokiIndex next;
        int nextMinute;
        const char* summary;
        const char* body;
    } cases[] = {
        {18, 17 * 60 + 15, 19, 17 * 60 + 54, "暮六つ（酉）", "17:15 — 次は 暮六つ半 17:54"},
        {19, 17 * 60 + 54, 20, 18 * 60 + 33, "暮六つ半（酉>戌）", "17:54 — 次は 夜五つ 18:33"},
        // Past midnight: the next toki's minute counts on from the table's day.
        {23, 23 * 60 + 5, 0, 24 * 60 + 3, "夜四つ半（亥>子）", "23:05 — 次は 暁九つ 00:03"},
        {24, 0, 25, 1, "-System Error-", "00:00 — 次は ? 00:01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toki);
        const TokiNotice notice = MakeTokiNotice(c.toki, c.minute, c.next, c.nextMinute);
        EXPECT_EQ(notice.summary, c.summary);
        EXPECT_EQ(notice.body, c.body);
    }
}

class TokiNotifications : public ClockRig {
protected:
    // Runs the clock over 暮六つ's boundary at 17:15. A clock started in the
    // minute before a boundary shows the new toki at once, without its
    // events: this one starts two minutes before.
    void RunOverTheBoundary()
    {
        Start(At(2006, 1, 1, 17, 12, 50));
        RunUntil(At(2006, 1, 1, 17, 16, 0));
    }
};

TEST_F(TokiNotifications, EachChimingTokiIsNotifiedAtItsMinute)
{
    settings.notify = 1;
    RunOverTheBoundary();
    ASSERT_EQ(platform.notifications.size(), 1u);
    const auto& shown = platform.notifications[0];
    EXPECT_EQ(shown.atMs, MsOf(At(2006, 1, 1, 17, 15, 0)));
    EXPECT_EQ(shown.summary, "暮六つ（酉）");
    EXPECT_EQ(shown.body,
              "17:15 — 次は 暮六つ半 " + ClockTimeText(controller.Calendar().GetBoundary(19)));
    EXPECT_EQ(StrikesBetween(0, platform.nowMs).size(), 6u);  // the bell as ever
}

struct NotifyCase {
    const char* name;
    int notify, chime, chimeCount;
    QuietHours quiet;
    std::size_t shown;
};

void PrintTo(const NotifyCase& c, std::ostream* os) { *os << c.name; }

class WhichTokiNotify : public TokiNotifications,
                        public ::testing::WithParamInterface<NotifyCase> {};

TEST_P(WhichTokiNotify, OnlyChimingTokiOutsideTheQuietHoursWhenOn)
{
    const NotifyCase& c = GetParam();
    settings.notify = c.notify;
    settings.chime = c.chime;
    settings.chimeCount = c.chimeCount;
    settings.quiet = c.quiet;
    RunOverTheBoundary();
    EXPECT_EQ(platform.notifications.size(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WhichTokiNotify,
    ::testing::Values(NotifyCase{"off", 0, 3, 2, {}, 0},
                      NotifyCase{"a value other than 1", 2, 3, 2, {}, 0},
                      NotifyCase{"quiet from 暮六つ", 1, 3, 2, {18, 6, "", ""}, 0},
                      NotifyCase{"quiet by clock time", 1, 3, 2, {-1, -1, "17:00", "06:00"}, 0},
                      NotifyCase{"quiet up to 暮六つ", 1, 3, 2, {6, 18, "", ""}, 1},
                      NotifyCase{"hourly chimes only", 1, 4, 2, {}, 0},
                      NotifyCase{"a silent bell still notifies", 1, 3, 0, {}, 1}));

}  // namespace
