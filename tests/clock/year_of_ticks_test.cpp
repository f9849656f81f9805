// A whole year of the clock, tick by tick, at places east and west of their
// time meridian. The seconds in which nothing can happen are skipped; every
// second 0 is ticked four times (the base timer fires every 250 ms), so that
// an event raised twice in a minute would show.
#include "ClockRig.h"

#include "EpochTime.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Place {
    const char* name;
    int latDegrees, latMinutes, lonDegrees, lonMinutes;
    bool newYearsEve;  // whether the year's last 暁九つ comes before midnight
};

// 那覇 lies west of its time meridian: its temporal midnight comes after
// 00:00, and on 31 December after the year has ended.
const Place kPlaces[] = {
    {"Yokohama", 35, 27, 139, 39, true},
    {"Sapporo", 43, 4, 141, 21, true},
    {"Nemuro", 43, 20, 145, 35, true},
    {"Naha", 26, 13, 127, 40, false},
};

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

constexpr int kTimeDifference = 9;
constexpr int kAlarmHour = 7, kAlarmMinute = 30;

std::string Describe(const LocalTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

int MinuteOfDay(const LocalTime& t) { return t.hour * 60 + t.minute; }

// The clock minutes of the day at which the day's table has a boundary that
// raises an event. Entries before the day's midnight come back a day later
// (the toki after the next 暁九つ are taken from the same table); boundaries
// in the minute of the day's rebuild (00:00) or the minute after pass
// silently.
std::set<int> EventMinutes(const TokiCalendar& calendar)
{
    std::set<int> minutes;
    for (int k = 0; k < TokiCalendar::kBoundaryCount; ++k) {
        const int entry = calendar.GetBoundary(k);
        const int b = entry < 0 ? entry + 1440 : entry;
        if (b >= 2 && b < 1440) {
            minutes.insert(b);
        }
    }
    return minutes;
}

const std::time_t kYearStart = EpochOf(LocalTime{2006, 1, 1, 0, 0, 30});
// The last strikes of the eve too.
const std::time_t kYearEnd = EpochOf(LocalTime{2007, 1, 1, 0, 30, 0});

std::string PlaceName(const ::testing::TestParamInfo<Place>& info) { return info.param.name; }

// ---- The time model alone ---------------------------------------------------

class TimeModelYear : public ::testing::TestWithParam<Place> {};

TEST_P(TimeModelYear, EveryBoundaryOnceWithItsBitAndTheTokiInOrder)
{
    const Place& place = GetParam();
    auto clock = std::make_shared<ManualClockSource>(LocalTimeAtEpoch(kYearStart));
    TokiCalendar calendar(clock);
    calendar.SetAlarmTime(kAlarmHour, kAlarmMinute);
    calendar.SetLocation(place.latDegrees, place.latMinutes, place.lonDegrees, place.lonMinutes,
                         kTimeDifference);

    std::set<int> due = EventMinutes(calendar);
    const TokiIndex startToki = calendar.GetCurrentToki();
    TokiIndex toki = startToki;
    int boundaryEvents = 0, rebuildSteps = 0, joyaMinutes = 0;
    int firstJoyaMinute = -1, lastTableEntry24 = 0;
    for (std::time_t minute = kYearStart + 30; minute < kYearEnd; minute += 60) {
        const LocalTime t = LocalTimeAtEpoch(minute);
        const std::string when = Describe(t);
        clock->Set(LocalTimeAtEpoch(minute - 1));
        ASSERT_EQ(calendar.Tick(), 0) << when << " (second 59)";
        clock->Set(t);
        const int events = calendar.Tick();
        for (int again = 0; again < 3; ++again) {
            ASSERT_EQ(calendar.Tick(), 0) << when << ": an event twice in a minute";
        }

        if (MinuteOfDay(t) == 0) {
            // The table was rebuilt for the new date. It locates the same toki,
            // or the next one when that began in this minute or the next.
            due = EventMinutes(calendar);
            const TokiIndex located = calendar.GetCurrentToki();
            if (located != toki) {
                ASSERT_EQ(located, (toki + 1) % kTokiCount) << when;
                ASSERT_LE(calendar.GetBoundary(located), 1) << when;
                toki = located;
                ++rebuildSteps;
            }
        }
        if (t.month == 12 && t.day == 31) {
            lastTableEntry24 = calendar.GetBoundary(24);
        }

        const int tokiBits = events & (TICK_HALF_TOKI | TICK_FULL_TOKI);
        if (due.count(MinuteOfDay(t)) != 0) {
            const int expected = toki % 2 != 0 ? TICK_FULL_TOKI : TICK_HALF_TOKI;
            ASSERT_EQ(tokiBits, expected) << when << " after toki " << toki;
            ASSERT_EQ(calendar.GetCurrentToki(), (toki + 1) % kTokiCount) << when;
            toki = calendar.GetCurrentToki();
            ++boundaryEvents;
        } else {
            ASSERT_EQ(tokiBits, 0) << when << ": no boundary in this minute";
            ASSERT_EQ(calendar.GetCurrentToki(), toki) << when;
        }

        ASSERT_EQ((events & TICK_HOUR) != 0, t.minute == 0) << when;
        ASSERT_EQ((events & TICK_HALF_HOUR) != 0, t.minute == 30) << when;
        ASSERT_EQ((events & TICK_ALARM) != 0, t.hour == kAlarmHour && t.minute == kAlarmMinute)
            << when;
        const bool eve = t.month == 12 && t.day == 31 && t.hour == 23 && toki == 0;
        ASSERT_EQ((events & TICK_JOYA) != 0, eve) << when;
        if (eve) {
            ++joyaMinutes;
            if (firstJoyaMinute < 0) {
                firstJoyaMinute = MinuteOfDay(t);
            }
        }

        clock->Set(LocalTimeAtEpoch(minute + 30));
        ASSERT_EQ(calendar.Tick(), 0) << when << " (second 30)";
    }

    // The toki went round once a day, every step counted once.
    EXPECT_EQ(boundaryEvents + rebuildSteps,
              365 * kTokiCount + (toki - startToki + kTokiCount) % kTokiCount);
    if (place.newYearsEve) {
        // From the year's last 暁九つ (entry 24 of 31 December), but not
        // before 23:00, to 23:59.
        const int first = std::max(lastTableEntry24, 23 * 60);
        EXPECT_EQ(firstJoyaMinute, first);
        EXPECT_EQ(joyaMinutes, 1440 - first);
    } else {
        EXPECT_EQ(joyaMinutes, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Places, TimeModelYear, ::testing::ValuesIn(kPlaces), PlaceName);

// ---- The clock logic on the fake platform ----------------------------------

// Runs the timers as ClockRig does, but lets the base timer skip the seconds
// other than 59 and 0 of each minute (keeping its 250 ms phase).
class ClockYear : public ClockRig, public ::testing::WithParamInterface<Place> {
protected:
    struct Series {
        long long atMs;
        int strikes;
    };

    void SetUp() override
    {
        const Place& place = GetParam();
        settings.latitudeDegrees = place.latDegrees;
        settings.latitudeMinutes = place.latMinutes;
        settings.longitudeDegrees = place.lonDegrees;
        settings.longitudeMinutes = place.lonMinutes;
        Start(LocalTimeAtEpoch(kYearStart));
    }

    static int SecondOf(long long ms) { return static_cast<int>((30 + ms / 1000) % 60); }

    static long long NextBaseTickThatMatters(long long dueMs)
    {
        const int second = SecondOf(dueMs);
        if (second == 59 || second == 0) {
            return dueMs;
        }
        const long long target = (dueMs / 1000 + (59 - second)) * 1000;
        return dueMs + (target - dueMs + 249) / 250 * 250;
    }

    // Fires the timers up to endMs, checking every base tick.
    void RunYear(long long endMs)
    {
        for (;;) {
            const auto id = platform.NextTimer();
            if (!id || platform.timers[*id].dueMs > endMs) {
                break;
            }
            auto& timer = platform.timers[*id];
            if (*id == kBaseTimer) {
                const long long due = NextBaseTickThatMatters(timer.dueMs);
                if (due != timer.dueMs) {
                    timer.dueMs = due;
                    continue;
                }
            }
            platform.nowMs = timer.dueMs;
            timer.dueMs += timer.periodMs;
            clock->Set(WallClockAt(platform.nowMs));
            platform.ClearRecords();  // a year of records would not fit
            const TokiIndex before = controller.Calendar().GetCurrentToki();
            controller.OnTimer(*id);
            if (platform.repaintPending) {
                platform.repaintPending = false;
                controller.FullPaint();
            }
            strikeSounds += static_cast<int>(platform.SoundTimes("Gooohn.wav").size());
            if (*id == kBaseTimer) {
                CheckBaseTick(before);
            } else if (*id == kJoyaTimer && !platform.StartsOf(kAnimationTimer).empty()) {
                joyaStrikes.push_back(platform.nowMs);
            }
            if (HasFailure()) {
                return;
            }
        }
    }

    void CheckBaseTick(TokiIndex before)
    {
        const LocalTime t = WallClockAt(platform.nowMs);
        const std::string when = Describe(t);
        const TokiIndex after = controller.Calendar().GetCurrentToki();
        // A boundary's event; at 00:00 the rebuild may step the toki silently.
        const bool boundary = after != before && MinuteOfDay(t) != 0;
        const auto series = platform.StartsOf(kAnimationTimer);
        const auto joya = platform.StartsOf(kJoyaTimer);
        const auto tokiPictures = platform.PicturesOf(ClockPicture::Toki);
        for (const auto& start : joya) {
            joyaStarts.push_back(start.atMs);
        }

        if (!boundary) {
            ASSERT_TRUE(series.empty()) << when << ": a chime without a boundary";
            ASSERT_TRUE(tokiPictures.empty()) << when;
            return;
        }
        ASSERT_EQ(tokiPictures.size(), 1u) << when;
        EXPECT_EQ(tokiPictures[0].srcX, after * 31) << when;
        if (!joya.empty()) {
            EXPECT_TRUE(series.empty()) << when << ": a chime as New Year's Eve starts";
            return;
        }
        ASSERT_EQ(series.size(), 1u) << when << ": one chime per boundary";
        EXPECT_EQ(controller.StrikesLeft(), controller.StrikeCount(after)) << when;
        chimes.push_back({platform.nowMs, controller.StrikesLeft()});
    }

    std::vector<Series> chimes;
    std::vector<long long> joyaStarts;
    std::vector<long long> joyaStrikes;
    int strikeSounds = 0;
};

TEST_P(ClockYear, ChimesAtEveryBoundaryAndNewYearsEveOnce)
{
    RunYear(MsOf(LocalTimeAtEpoch(kYearEnd)));
    ASSERT_FALSE(HasFailure());

    int strikes = 0;
    for (const Series& s : chimes) {
        strikes += s.strikes;
    }
    EXPECT_GT(chimes.size(), 365u * kTokiCount - 3);
    if (GetParam().newYearsEve) {
        ASSERT_EQ(joyaStarts.size(), 1u);
        const LocalTime eve = WallClockAt(joyaStarts[0]);
        EXPECT_EQ(eve.month, 12);
        EXPECT_EQ(eve.day, 31);
        EXPECT_EQ(eve.hour, 23);
        ASSERT_EQ(joyaStrikes.size(), 108u);
        for (std::size_t k = 0; k < joyaStrikes.size(); ++k) {
            EXPECT_EQ(joyaStrikes[k], joyaStarts[0] + 15000LL * static_cast<long long>(k + 1));
        }
        EXPECT_EQ(controller.JoyaLeft(), 0);
        EXPECT_EQ(strikeSounds, strikes + 108);
    } else {
        EXPECT_TRUE(joyaStarts.empty());
        EXPECT_TRUE(joyaStrikes.empty());
        EXPECT_EQ(strikeSounds, strikes);
    }
}

INSTANTIATE_TEST_SUITE_P(Places, ClockYear,
                         ::testing::Values(kPlaces[0], kPlaces[3]), PlaceName);

}  // namespace
