#pragma once

#include <string>

struct QuietHours;

// Which quiet hours of the chime hold: by toki when both QuietFrom and
// QuietTo are toki indices 0..23, otherwise by clock time when both times
// read as "HH:MM", otherwise none. A span whose two ends are equal is empty.
enum class QuietKind { None = 0, ByToki = 1, ByClockTime = 2 };
QuietKind QuietKindOf(const QuietHours& quiet);

// The quiet hours in the settings dialog: a choice of kind (radio group), two
// toki (choices of the 24 names) and two clock times (edits, "HH:MM").
struct QuietHoursFields {
    int kind = 0;          // a QuietKind
    int fromToki = 18;     // 0..23; used when kind is ByToki
    int toToki = 6;
    std::string fromTime;  // used when kind is ByClockTime
    std::string toTime;
};

// What the dialog shows for the stored quiet hours: the kind in force, and
// the values of the other kind too where they are valid, so that switching
// kinds starts from them.
QuietHoursFields QuietHoursFieldsFrom(const QuietHours& quiet);
// What OK stores: the kind chosen and its values; the other kind is cleared
// (-1, empty), so that the file says which holds.
QuietHours QuietHoursFromFields(const QuietHoursFields& fields);
