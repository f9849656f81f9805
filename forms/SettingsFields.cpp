#include "SettingsFields.h"

#include "ClockSettings.h"

#include <array>
#include <ostream>
#include <tuple>

namespace {

// Chime masks of the four interval buttons, by index.
constexpr std::array<int, 4> kChimeMasks = {1, 3, 4, 12};
constexpr int kHalfTokiIndex = 1;

}  // namespace

namespace {

auto Members(const SettingsFields& f)
{
    return std::tie(f.longitudeDegrees, f.longitudeMinutes, f.chimeIndex, f.latitudeDegrees,
                    f.latitudeMinutes, f.city, f.twelveShiIndex, f.chimeCountIndex, f.addText,
                    f.quiet.kind, f.quiet.fromToki, f.quiet.toToki, f.quiet.fromTime,
                    f.quiet.toTime, f.indicator, f.notify, f.startWithSession,
                    f.twelveShiDisplay);
}

}  // namespace

bool operator==(const SettingsFields& a, const SettingsFields& b)
{
    return Members(a) == Members(b);
}

bool operator!=(const SettingsFields& a, const SettingsFields& b)
{
    return !(a == b);
}

void PrintTo(const SettingsFields& f, std::ostream* out)
{
    *out << "longitude " << f.longitudeDegrees << ' ' << f.longitudeMinutes << ", latitude "
         << f.latitudeDegrees << ' ' << f.latitudeMinutes << ", city " << f.city
         << ", chimeIndex " << f.chimeIndex << ", twelveShiIndex " << f.twelveShiIndex
         << ", chimeCountIndex " << f.chimeCountIndex << ", addText " << f.addText
         << ", quiet " << f.quiet.kind << ' ' << f.quiet.fromToki << ' ' << f.quiet.toToki << " '"
         << f.quiet.fromTime << "' '" << f.quiet.toTime << "', indicator " << f.indicator
         << ", notify " << f.notify << ", startWithSession " << f.startWithSession
         << ", twelveShiDisplay "
         << f.twelveShiDisplay;
}

int ChimeIndexFromMask(int chime)
{
    for (std::size_t i = 0; i < kChimeMasks.size(); ++i) {
        if (kChimeMasks[i] == chime) {
            return static_cast<int>(i);
        }
    }
    return kHalfTokiIndex;
}

int ChimeMaskFromIndex(int index, int oldChime)
{
    if (index < 0 || index >= static_cast<int>(kChimeMasks.size())) {
        return oldChime;
    }
    return kChimeMasks[static_cast<std::size_t>(index)];
}

int TwelveShiIndexFromDisplay(int twelveShiDisplay)
{
    return twelveShiDisplay == kFixedHourDisplay ? 1 : 0;
}

int TwelveShiDisplayFromIndex(int index)
{
    return index == 1 ? kFixedHourDisplay : kTemporalHourDisplay;
}

SettingsFields SettingsFieldsFrom(const ClockSettings& settings)
{
    SettingsFields fields;
    fields.longitudeDegrees = settings.longitudeDegrees;
    fields.longitudeMinutes = settings.longitudeMinutes;
    fields.chimeIndex = ChimeIndexFromMask(settings.chime);
    fields.latitudeDegrees = settings.latitudeDegrees;
    fields.latitudeMinutes = settings.latitudeMinutes;
    fields.city = settings.city;
    fields.twelveShiIndex = TwelveShiIndexFromDisplay(settings.twelveShiDisplay);
    fields.chimeCountIndex = settings.chimeCount;
    fields.addText = settings.addText;
    fields.quiet = QuietHoursFieldsFrom(settings.quiet);
    fields.indicator = settings.indicator;
    fields.notify = settings.notify;
    fields.twelveShiDisplay = settings.twelveShiDisplay;
    return fields;
}

void CopySettingsFieldsBack(const SettingsFields& fields, ClockSettings& settings)
{
    settings.chime = ChimeMaskFromIndex(fields.chimeIndex, settings.chime);
    settings.chimeCount = fields.chimeCountIndex;
    settings.latitudeMinutes = fields.latitudeMinutes;
    settings.latitudeDegrees = fields.latitudeDegrees;
    settings.longitudeDegrees = fields.longitudeDegrees;
    settings.longitudeMinutes = fields.longitudeMinutes;
    settings.city = fields.city;
    settings.addText = fields.addText;
    settings.twelveShiDisplay = TwelveShiDisplayFromIndex(fields.twelveShiIndex);
    settings.quiet = QuietHoursFromFields(fields.quiet);
    settings.indicator = fields.indicator;
    settings.notify = fields.notify;
}
