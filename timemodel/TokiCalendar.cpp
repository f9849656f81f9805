#include "TokiCalendar.h"

#include <cstdio>

TokiCalendar::TokiCalendar(std::shared_ptr<const ClockSource> clock)
    : clockSource(clock ? std::move(clock) : SystemClock())
{
    boundaries.fill(kNoBoundary);
    timeText.reserve(15);  // "%H:%M:%S" always fits the small-string buffer
}

namespace {

// The whole minute of a LocalSecondCount; floor division, as a count may lie
// before 1970.
long long MinuteOf(long long second)
{
    return second >= 0 ? second / 60 : -((-second + 59) / 60);
}

}  // namespace

void TokiCalendar::ReadClock()
{
    const LocalTime t = clockSource->Now();
    clockYear = t.year;
    clockMonth = t.month;
    clockDay = t.day;
    clockHour = t.hour;
    clockMinute = t.minute;
    clockSecond = t.second;
    // At start the toki located from this reading holds for its minute: a
    // tick later in the minute has nothing to check, the next minute is
    // expected. A start at second 0 leaves the minute's events (the hour,
    // the alarm) to its first tick. Later readings (a new place) leave the
    // tick's own count alone: a minute whose tick has not come yet still
    // raises its events.
    if (locatedMinute == kNever) {
        locatedMinute = MinuteOf(LocalSecondCount(t)) - (t.second == 0 ? 1 : 0);
    }
}

// The table of the clock's date at the stored place.
void TokiCalendar::ComputeTable()
{
    noonJD = NoonJulianDate(clockYear, clockMonth, clockDay, place.timeDiffDays);
    const TokiTable table = ComputeTokiTable(noonJD, place);
    boundaries = table.boundaries;
    sunriseMinute = table.sunrise;
    sunsetMinute = table.sunset;
}

// Finds the boundary after clock minute + offset (every caller passes 1, so a
// fresh location in the minute before a boundary reports the toki beginning
// there). Past entry 23 the table is searched again one day later.
void TokiCalendar::LocateToki(int offsetMinutes)
{
    nextBoundary = NextBoundaryAfter(boundaries, clockHour * 60 + clockMinute + offsetMinutes);
    currentToki = TokiEndingAt(nextBoundary);
    UpdateNextBoundaryClock();
}

void TokiCalendar::UpdateNextBoundaryClock()
{
    const int b = boundaries[nextBoundary];
    if (b < 0) {
        nextBoundaryHour = (b + 1440) / 60;
        nextBoundaryMinute = (b + 1440) % 60;
    } else {
        nextBoundaryHour = b / 60;
        nextBoundaryMinute = b % 60;
        if (nextBoundaryHour > 23) {
            nextBoundaryHour -= 24;
        }
    }
}

void TokiCalendar::SetLocation(int latDeg, int latMin, int lonDeg, int lonMin, int timeDiff)
{
    place = MakeSolarPlace(latDeg, latMin, lonDeg, lonMin, timeDiff);
    ReadClock();
    ComputeTable();
    LocateToki(1);
}

void TokiCalendar::SetDate(int year, int month, int day)
{
    clockYear = year;
    clockMonth = month;
    clockDay = day;
    ComputeTable();
    LocateToki(1);
}

void TokiCalendar::SetAlarmTime(int hour, int minute)
{
    alarmAtHour = hour;
    alarmAtMinute = minute;
}

int TokiCalendar::Tick()
{
    const LocalTime t = clockSource->Now();
    clockHour = t.hour;
    clockMinute = t.minute;
    clockSecond = t.second;
    const long long second = LocalSecondCount(t);
    if (second == lastSecond) {
        return 0;
    }
    lastSecond = second;
    relocated = false;

    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour % 100, t.minute % 100,
                  t.second % 100);
    timeText.assign(text);

    const long long minute = MinuteOf(second);
    if (minute == locatedMinute) {
        return 0;  // this minute was already checked
    }
    // A clock that runs on reaches each minute one after the other. Any other
    // minute is a jump: sleep, a stall of over a minute, a clock set forward
    // or back, a new time zone.
    const bool jumped = minute != locatedMinute + 1;
    locatedMinute = minute;

    // The whole date is compared: a machine suspended from one month or year
    // to the same day of another must not keep the old table.
    const bool newDate = t.day != clockDay || t.month != clockMonth || t.year != clockYear;
    if (newDate) {
        SetDate(t.year, t.month, t.day);  // locates afresh
    }
    if (jumped) {
        // As a start in this minute: what the jump passed over is not raised,
        // and a boundary in this minute or the next is already current.
        if (!newDate) {
            LocateToki(1);
        }
        relocated = true;
        return JoyaBit();
    }
    if (minute == raisedMinute) {
        return 0;  // set back by seconds over the turn of a minute: raised already
    }
    raisedMinute = minute;

    int events = 0;
    if (clockMinute == nextBoundaryMinute && clockHour == nextBoundaryHour) {
        events = (currentToki % 2 != 0) ? TICK_FULL_TOKI : TICK_HALF_TOKI;
        LocateToki(1);
    }
    if (clockMinute == alarmAtMinute && clockHour == alarmAtHour) {
        events |= TICK_ALARM;
    }
    if (clockMinute == 0) {
        events |= TICK_HOUR;
    }
    if (clockMinute == 30) {
        events |= TICK_HALF_HOUR;
    }
    return events | JoyaBit();
}

int TokiCalendar::JoyaBit() const
{
    return (clockDay == 31 && clockMonth == 12 && currentToki == 0 && clockHour > 22) ? TICK_JOYA
                                                                                      : 0;
}

int TokiCalendar::GetBoundary(int i) const
{
    if (i < 0 || i >= kBoundaryCount) {
        return kNoBoundary;
    }
    return boundaries[static_cast<std::size_t>(i)];
}
