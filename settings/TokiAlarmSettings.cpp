#include "TokiAlarmSettings.h"

#include "LeadingInt.h"
#include "ShiftJis.h"

#include <iterator>

namespace {

const char* const kTimeSystem = "Time System";
const char* const kLabelKey = "Label";

struct IntKey {
    const char* key;
    int TokiAlarm::*member;
};

// The keys of an alarm's section in the order a new section holds them;
// "Label" follows them.
const IntKey kAlarmIntKeys[] = {
    {"Enable", &TokiAlarm::enable}, {"Toki", &TokiAlarm::toki},
    {"Hour", &TokiAlarm::hour},     {"Minutes", &TokiAlarm::minutes},
    {"Offset", &TokiAlarm::offset}, {"Days", &TokiAlarm::days},
    {"Sound", &TokiAlarm::sound},
};
constexpr std::size_t kKeysPerAlarm = 1 + std::size(kAlarmIntKeys) + 1;  // presence, ints, label

const char* const kQuietKeys[] = {"QuietFrom", "QuietTo", "QuietFromTime", "QuietToTime"};

int IntOr(const std::optional<std::string>& value, int fallback)
{
    return value ? ReadLeadingInt(*value) : fallback;
}

}  // namespace

bool TokiAlarm::operator==(const TokiAlarm& o) const
{
    return number == o.number && enable == o.enable && toki == o.toki && hour == o.hour &&
           minutes == o.minutes && offset == o.offset && days == o.days && sound == o.sound &&
           label == o.label;
}

std::string TokiAlarmSection(int number)
{
    return "Toki Alarm " + std::to_string(number);
}

std::vector<IniKey> TokiAlarmKeys()
{
    std::vector<IniKey> keys;
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        const std::string section = TokiAlarmSection(n);
        keys.push_back({section, ""});
        for (const IntKey& k : kAlarmIntKeys) {
            keys.push_back({section, k.key});
        }
        keys.push_back({section, kLabelKey});
    }
    for (const char* key : kQuietKeys) {
        keys.push_back({kTimeSystem, key});
    }
    return keys;
}

void ReadTokiAlarmValues(const std::vector<std::optional<std::string>>& values,
                         std::vector<TokiAlarm>& alarms, QuietHours& quiet)
{
    alarms.clear();
    quiet = QuietHours();
    if (values.size() != kMaxTokiAlarms * kKeysPerAlarm + std::size(kQuietKeys)) {
        return;
    }
    auto value = values.begin();
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        const bool present = value->has_value();
        ++value;
        TokiAlarm alarm;
        alarm.number = n;
        for (const IntKey& k : kAlarmIntKeys) {
            alarm.*k.member = IntOr(*value++, alarm.*k.member);
        }
        const std::optional<std::string>& label = *value++;
        if (label) {
            alarm.label = Cp932ToUtf8(CutCp932(*label, kTokiAlarmLabelBytes));
        }
        if (present) {
            alarms.push_back(alarm);
        }
    }
    quiet.fromToki = IntOr(*value++, quiet.fromToki);
    quiet.toToki = IntOr(*value++, quiet.toToki);
    quiet.fromTime = value->value_or(std::string());
    ++value;
    quiet.toTime = value->value_or(std::string());
}

std::vector<IniEntry> TokiAlarmEntries(const std::vector<TokiAlarm>& alarms,
                                       const QuietHours& quiet)
{
    std::vector<IniEntry> entries{
        {kTimeSystem, kQuietKeys[0], std::to_string(quiet.fromToki)},
        {kTimeSystem, kQuietKeys[1], std::to_string(quiet.toToki)},
        {kTimeSystem, kQuietKeys[2], quiet.fromTime},
        {kTimeSystem, kQuietKeys[3], quiet.toTime},
    };
    for (const TokiAlarm& alarm : alarms) {
        if (alarm.number < 1 || alarm.number > kMaxTokiAlarms) {
            continue;
        }
        const std::string section = TokiAlarmSection(alarm.number);
        for (const IntKey& k : kAlarmIntKeys) {
            entries.push_back({section, k.key, std::to_string(alarm.*k.member)});
        }
        entries.push_back({section, kLabelKey, Utf8ToCp932(alarm.label)});
    }
    return entries;
}

namespace {

bool NumberUsed(const std::vector<TokiAlarm>& alarms, int number)
{
    for (const TokiAlarm& alarm : alarms) {
        if (alarm.number == number) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> UnusedTokiAlarmSections(const std::vector<TokiAlarm>& alarms)
{
    std::vector<std::string> unused;
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        if (!NumberUsed(alarms, n)) {
            unused.push_back(TokiAlarmSection(n));
        }
    }
    return unused;
}

int FreeTokiAlarmNumber(const std::vector<TokiAlarm>& alarms)
{
    for (int n = 1; n <= kMaxTokiAlarms; ++n) {
        if (!NumberUsed(alarms, n)) {
            return n;
        }
    }
    return 0;
}
