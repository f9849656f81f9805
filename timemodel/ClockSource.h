#pragma once

#include <memory>

// A reading of the local wall clock, broken down as the time model needs it.
struct LocalTime {
    int year = 0;    // four digits
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59 (a leap second 60 is passed through as read)
    int microsecond = 0;  // 0..999999 into the second
};

// Seconds of local clock time since 1970-01-01 00:00:00 of the same clock,
// counted on the proleptic Gregorian calendar without leap seconds. Two
// readings compare as whole instants with it: the same seconds field an
// exact number of minutes or days later is a different second.
long long LocalSecondCount(const LocalTime& t);
// The reading at a LocalSecondCount (microsecond 0): its inverse.
LocalTime LocalTimeOfSecondCount(long long count);

// Where the time model reads "now". The real source reads the system's local
// time; tests substitute a source they can set to any instant.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual LocalTime Now() const = 0;
    // Microseconds into the current second, 0..999999: what a timer that
    // keeps step with the second needs, without breaking the time down.
    virtual int MicrosecondOfSecond() const { return Now().microsecond; }
};

// Reads the system clock in the process's local time zone (TZ), to the
// microsecond. Not time(): on Linux that returns the kernel's coarse seconds,
// which turn up to a scheduler tick (several milliseconds) after the true
// second, and a tick in step with the second would still read the old one.
class SystemClockSource final : public ClockSource {
public:
    LocalTime Now() const override;
    int MicrosecondOfSecond() const override;
};

// A clock that shows whatever it was last set to.
class ManualClockSource final : public ClockSource {
public:
    explicit ManualClockSource(const LocalTime& t = {}) : now(t) {}
    LocalTime Now() const override { return now; }
    void Set(const LocalTime& t) { now = t; }

private:
    LocalTime now;
};

// The process-wide system clock, shared by default by every time model.
std::shared_ptr<const ClockSource> SystemClock();
