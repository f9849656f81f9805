#include "ClockSettings.h"

#include "IniFile.h"
#include "FileSystem.h"
#include "IniPath.h"
#include "LeadingInt.h"
#include "ShiftJis.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kTimeSystem = "Time System";
constexpr const char* kTimeDisplay = "Time Display";
constexpr const char* kLocation = "Location";
constexpr const char* kAlarm = "Alarm";

constexpr int kReadOnly = -1;

// One stored value: where it lies in the file, which member holds it, and
// its place among the lines written. The place orders the keys of a new
// file and of keys added to an old one.
struct StoredKey {
    const char* section;
    const char* key;
    int ClockSettings::*member;  // null for "City", the one text
    int writePosition;           // 0..kWrittenCount-1, or kReadOnly
};

// "Time Difference" is read only: a value put into the file by hand stays
// there.
constexpr StoredKey kStoredKeys[] = {
    {kTimeSystem, "Chime", &ClockSettings::chime, 0},
    {kTimeSystem, "ChimeCount", &ClockSettings::chimeCount, 1},
    {kTimeSystem, "12Shi Display", &ClockSettings::twelveShiDisplay, 3},
    {kTimeSystem, "Joya", &ClockSettings::joya, 2},
    {kTimeDisplay, "AddText", &ClockSettings::addText, 4},
    {kTimeDisplay, "Indicator", &ClockSettings::indicator, 5},
    {kTimeDisplay, "Notify", &ClockSettings::notify, 6},
    {kLocation, "Latitude Degrees", &ClockSettings::latitudeDegrees, 7},
    {kLocation, "Latitude Minutes", &ClockSettings::latitudeMinutes, 8},
    {kLocation, "Longitude Degrees", &ClockSettings::longitudeDegrees, 9},
    {kLocation, "Longitude Minutes", &ClockSettings::longitudeMinutes, 10},
    {kLocation, "Time Difference", &ClockSettings::timeDifference, kReadOnly},
    {kLocation, "City", nullptr, 11},
    {kAlarm, "Enable", &ClockSettings::alarmEnable, 12},
    {kAlarm, "Hour", &ClockSettings::alarmHour, 13},
    {kAlarm, "Minutes", &ClockSettings::alarmMinutes, 14},
};

constexpr int kWrittenCount = 15;

// Every place from 0 to kWrittenCount-1 is taken exactly once.
constexpr bool WritePositionsAreComplete()
{
    for (int position = 0; position < kWrittenCount; ++position) {
        int found = 0;
        for (const StoredKey& k : kStoredKeys) {
            found += k.writePosition == position ? 1 : 0;
        }
        if (found != 1) {
            return false;
        }
    }
    int written = 0;
    for (const StoredKey& k : kStoredKeys) {
        written += k.writePosition == kReadOnly ? 0 : 1;
    }
    return written == kWrittenCount;
}
static_assert(WritePositionsAreComplete(), "each written key needs a place of its own");

std::vector<IniEntry> Entries(const ClockSettings& s)
{
    std::vector<IniEntry> entries(kWrittenCount);
    for (const StoredKey& k : kStoredKeys) {
        if (k.writePosition != kReadOnly) {
            entries[static_cast<std::size_t>(k.writePosition)] = {
                k.section, k.key, k.member ? std::to_string(s.*k.member) : Utf8ToCp932(s.city)};
        }
    }
    for (IniEntry& e : TokiAlarmEntries(s.tokiAlarms, s.quiet)) {
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace

bool operator==(const ClockSettings& a, const ClockSettings& b)
{
    for (const StoredKey& k : kStoredKeys) {
        if (k.member && a.*k.member != b.*k.member) {
            return false;
        }
    }
    // The quiet hours and the toki alarms are stored by their own keys
    // (TokiAlarmKeys), outside the table.
    return a.city == b.city && a.quiet == b.quiet && a.tokiAlarms == b.tokiAlarms &&
           a.iniPath == b.iniPath;
}

bool operator!=(const ClockSettings& a, const ClockSettings& b)
{
    return !(a == b);
}

void PrintTo(const ClockSettings& settings, std::ostream* out)
{
    for (const StoredKey& k : kStoredKeys) {
        *out << k.key << '=';
        if (k.member) {
            *out << settings.*k.member;
        } else {
            *out << settings.city;
        }
        *out << ", ";
    }
    const QuietHours& q = settings.quiet;
    *out << "QuietFrom=" << q.fromToki << ", QuietTo=" << q.toToki << ", QuietFromTime=" << q.fromTime
         << ", QuietToTime=" << q.toTime << ", ";
    for (const TokiAlarm& a : settings.tokiAlarms) {
        *out << "[" << TokiAlarmSection(a.number) << "] Enable=" << a.enable << " Toki=" << a.toki
             << " Hour=" << a.hour << " Minutes=" << a.minutes << " Offset=" << a.offset
             << " Days=" << a.days << " Sound=" << a.sound << " Label=" << a.label << ", ";
    }
    *out << "iniPath=" << settings.iniPath;
}

void ClockSettings::Read(std::istream& in)
{
    std::vector<IniKey> keys;
    for (const StoredKey& k : kStoredKeys) {
        keys.push_back({k.section, k.key});
    }
    const std::vector<IniKey> alarmKeys = TokiAlarmKeys();
    keys.insert(keys.end(), alarmKeys.begin(), alarmKeys.end());
    auto values = ReadIniValues(in, keys);
    const std::vector<std::optional<std::string>> alarmValues(
        values.end() - static_cast<std::ptrdiff_t>(alarmKeys.size()), values.end());
    ReadTokiAlarmValues(alarmValues, tokiAlarms, quiet);
    values.resize(values.size() - alarmKeys.size());

    const ClockSettings defaults;
    for (std::size_t i = 0; i < std::size(kStoredKeys); ++i) {
        const auto member = kStoredKeys[i].member;
        const auto& value = values[i];
        if (member) {
            this->*member = value ? ReadLeadingInt(*value) : defaults.*member;
        } else {
            city = value ? Cp932ToUtf8(CutCp932(*value, kCityReadBytes)) : defaults.city;
        }
    }
}

bool ClockSettings::Write(std::istream& oldText, std::ostream& out) const
{
    return RewriteIni(oldText, out, Entries(*this), UnusedTokiAlarmSections(tokiAlarms));
}

void ClockSettings::Load()
{
    LoadFrom(DefaultIniPath());
}

void ClockSettings::LoadFrom(const std::string& path)
{
    iniPath = path;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    try {
        Read(in);
    } catch (...) {
        // Out of memory on an absurd file: whatever could not be read keeps
        // its default.
        const std::string keep = iniPath;
        *this = ClockSettings();
        iniPath = keep;
    }
}

WriteOutcome ClockSettings::Save() const
{
    if (iniPath.empty()) {
        return WriteOutcome::Failure("no settings file was chosen");  // never loaded
    }
    const std::string readOnly = ReadOnlyFileReason(iniPath);
    if (!readOnly.empty()) {
        // The file is read-only for this user (made so, or left owned by
        // root): it is kept as it is, although the folder would let a new
        // file be renamed over it.
        return WriteOutcome::Failure(readOnly);
    }
    try {
        return WriteIniFile(iniPath, Entries(*this), UnusedTokiAlarmSections(tokiAlarms));
    } catch (...) {
        return WriteOutcome::Failure("out of memory");
    }
}
