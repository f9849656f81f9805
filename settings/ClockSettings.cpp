#include "ClockSettings.h"

#include "IniFile.h"
#include "FileSystem.h"
#include "IniPath.h"
#include "LeadingInt.h"
#include "ShiftJis.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const kTimeSystem = "Time System";
const char* const kTimeDisplay = "Time Display";
const char* const kLocation = "Location";
const char* const kAlarm = "Alarm";
const char* const kCityKey = "City";

struct IntKey {
    const char* section;
    const char* key;
    int ClockSettings::*member;
};

// The integer keys in the order they are read. "Time Difference" is read
// only: a value put into the file by hand stays there.
const IntKey kReadOrder[] = {
    {kTimeSystem, "Chime", &ClockSettings::chime},
    {kTimeSystem, "ChimeCount", &ClockSettings::chimeCount},
    {kTimeSystem, "12Shi Display", &ClockSettings::twelveShiDisplay},
    {kTimeSystem, "Joya", &ClockSettings::joya},
    {kTimeDisplay, "AddText", &ClockSettings::addText},
    {kLocation, "Latitude Degrees", &ClockSettings::latitudeDegrees},
    {kLocation, "Latitude Minutes", &ClockSettings::latitudeMinutes},
    {kLocation, "Longitude Degrees", &ClockSettings::longitudeDegrees},
    {kLocation, "Longitude Minutes", &ClockSettings::longitudeMinutes},
    {kLocation, "Time Difference", &ClockSettings::timeDifference},
    {kAlarm, "Enable", &ClockSettings::alarmEnable},
    {kAlarm, "Hour", &ClockSettings::alarmHour},
    {kAlarm, "Minutes", &ClockSettings::alarmMinutes},
};

// The keys in the order they are written; a new file holds them in this
// order. A null member stands for "City".
const IntKey kWriteOrder[] = {
    {kTimeSystem, "Chime", &ClockSettings::chime},
    {kTimeSystem, "ChimeCount", &ClockSettings::chimeCount},
    {kTimeSystem, "Joya", &ClockSettings::joya},
    {kTimeSystem, "12Shi Display", &ClockSettings::twelveShiDisplay},
    {kTimeDisplay, "AddText", &ClockSettings::addText},
    {kLocation, "Latitude Degrees", &ClockSettings::latitudeDegrees},
    {kLocation, "Latitude Minutes", &ClockSettings::latitudeMinutes},
    {kLocation, "Longitude Degrees", &ClockSettings::longitudeDegrees},
    {kLocation, "Longitude Minutes", &ClockSettings::longitudeMinutes},
    {kLocation, kCityKey, nullptr},
    {kAlarm, "Enable", &ClockSettings::alarmEnable},
    {kAlarm, "Hour", &ClockSettings::alarmHour},
    {kAlarm, "Minutes", &ClockSettings::alarmMinutes},
};

std::vector<IniEntry> Entries(const ClockSettings& s)
{
    std::vector<IniEntry> entries;
    for (const IntKey& k : kWriteOrder) {
        entries.push_back({k.section, k.key,
                           k.member ? std::to_string(s.*k.member) : Utf8ToCp932(s.city)});
    }
    for (IniEntry& e : TokiAlarmEntries(s.tokiAlarms, s.quiet)) {
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace

void ClockSettings::Read(std::istream& in)
{
    std::vector<IniKey> keys;
    for (const IntKey& k : kReadOrder) {
        keys.push_back({k.section, k.key});
    }
    keys.push_back({kLocation, kCityKey});
    const std::vector<IniKey> alarmKeys = TokiAlarmKeys();
    keys.insert(keys.end(), alarmKeys.begin(), alarmKeys.end());
    auto values = ReadIniValues(in, keys);
    const std::vector<std::optional<std::string>> alarmValues(
        values.end() - static_cast<std::ptrdiff_t>(alarmKeys.size()), values.end());
    ReadTokiAlarmValues(alarmValues, tokiAlarms, quiet);
    values.resize(values.size() - alarmKeys.size());

    const ClockSettings defaults;
    for (std::size_t i = 0; i < std::size(kReadOrder); ++i) {
        const auto member = kReadOrder[i].member;
        this->*member = values[i] ? ReadLeadingInt(*values[i]) : defaults.*member;
    }
    const auto& cityValue = values.back();
    city = cityValue ? Cp932ToUtf8(CutCp932(*cityValue, kCityReadBytes)) : defaults.city;
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

bool ClockSettings::Save() const
{
    if (iniPath.empty()) {
        return false;  // never loaded: there is no file to write
    }
    if (FileIsReadOnly(iniPath)) {
        // The user made the file read-only: it is kept as it is, although
        // the folder would let a new file be renamed over it.
        return false;
    }
    try {
        return WriteIniFile(iniPath, Entries(*this), UnusedTokiAlarmSections(tokiAlarms));
    } catch (...) {
        return false;
    }
}
