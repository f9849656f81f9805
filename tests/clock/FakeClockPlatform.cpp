#include "FakeClockPlatform.h"

#include <algorithm>

namespace {

// The command's id, as a menu item is named in `menu` and `calls`.
std::string IdOf(ClockCommand command)
{
    return std::to_string(static_cast<int>(command));
}

const char* PictureName(ClockPicture p)
{
    switch (p) {
    case ClockPicture::Face: return "face";
    case ClockPicture::Bell: return "bell";
    case ClockPicture::Branch: return "branch";
    case ClockPicture::Toki: return "toki";
    }
    return "?";
}

}  // namespace

bool FakeClockPlatform::StartTimer(int id, int periodMs)
{
    calls.push_back("start timer " + std::to_string(id));
    if (failingTimers.count(id) != 0) {
        return false;
    }
    timers[id] = Timer{periodMs, nowMs + periodMs};
    timerStarts.push_back({nowMs, id, periodMs});
    return true;
}

void FakeClockPlatform::StopTimer(int id)
{
    calls.push_back("stop timer " + std::to_string(id));
    timers.erase(id);
    timerStops.push_back({nowMs, id, 0});
}

void FakeClockPlatform::PlaySound(const std::string& name, SoundMode mode)
{
    calls.push_back("play " + name + (mode == SoundMode::Loop ? " loop" : " yield"));
    sounds.push_back({nowMs, name, mode});
}

void FakeClockPlatform::StopSound()
{
    calls.push_back("stop sound");
    soundStops.push_back(nowMs);
}

void FakeClockPlatform::ShowMessage(const std::string& text, const std::string& caption,
                                    MessageIcon icon)
{
    calls.push_back("message " + text);
    messages.push_back({nowMs, text, caption, icon});
    if (onMessage) {
        onMessage(messages.back());
    }
    calls.push_back("message closed");
}

AlarmBoxAnswer FakeClockPlatform::ShowAlarmBox(const std::string& text, const std::string& caption)
{
    calls.push_back("alarm box " + text);
    alarmBoxes.push_back({nowMs, text, caption, MessageIcon::Exclamation});
    const AlarmBoxAnswer answer =
        onAlarmBox ? onAlarmBox(alarmBoxes.back()) : AlarmBoxAnswer::Ok;
    calls.push_back(answer == AlarmBoxAnswer::Snooze ? "alarm box snooze" : "alarm box ok");
    return answer;
}

void FakeClockPlatform::ShowPanelStatus(const PanelStatus& status)
{
    panelUpdates.push_back({nowMs, status});
}

void FakeClockPlatform::ShowNotification(const std::string& summary, const std::string& body)
{
    calls.push_back("notification " + summary);
    notifications.push_back({nowMs, summary, body});
}

WriteOutcome FakeClockPlatform::SetStartsWithSession(bool on)
{
    calls.push_back(on ? "start with session on" : "start with session off");
    if (!sessionStartFailure.empty()) {
        return WriteOutcome::Failure(sessionStartFailure);
    }
    startsWithSession = on;
    return WriteOutcome::Success();
}

bool FakeClockPlatform::RunSettingsDialog(SettingsFields& fields)
{
    calls.push_back("settings dialog");
    const bool ok = onSettingsDialog && onSettingsDialog(fields);
    calls.push_back(ok ? "settings dialog ok" : "settings dialog cancel");
    return ok;
}

bool FakeClockPlatform::RunAlarmDialog(AlarmFields& fields)
{
    calls.push_back("alarm dialog");
    const bool ok = onAlarmDialog && onAlarmDialog(fields);
    calls.push_back(ok ? "alarm dialog ok" : "alarm dialog cancel");
    return ok;
}

void FakeClockPlatform::RunTokiInfoDialog(const TokiChartData& chart)
{
    calls.push_back("toki info dialog");
    charts.push_back(chart);
    if (onTokiInfoDialog) {
        onTokiInfoDialog(chart);
    }
    calls.push_back("toki info dialog closed");
}

bool FakeClockPlatform::RunTokiAlarmDialog(TokiAlarmListFields& fields)
{
    calls.push_back("toki alarm dialog");
    const bool ok = onTokiAlarmDialog && onTokiAlarmDialog(fields);
    calls.push_back(ok ? "toki alarm dialog ok" : "toki alarm dialog cancel");
    return ok;
}

void FakeClockPlatform::InsertMenuCommand(int position, ClockCommand command,
                                          const std::string& text)
{
    calls.push_back("insert item " + std::to_string(position));
    menu.insert(menu.begin() + position, IdOf(command) + " " + text);
}

void FakeClockPlatform::InsertMenuSeparator(int position)
{
    calls.push_back("insert separator " + std::to_string(position));
    menu.insert(menu.begin() + position, "-");
}

void FakeClockPlatform::RemoveMenuItemById(ClockCommand command)
{
    calls.push_back("remove item " + IdOf(command));
    const std::string prefix = IdOf(command) + " ";
    const auto it = std::find_if(menu.begin(), menu.end(), [&](const std::string& item) {
        return item.compare(0, prefix.size(), prefix) == 0;
    });
    if (it != menu.end()) {
        menu.erase(it);
    }
}

void FakeClockPlatform::RemoveMenuItemAt(int position)
{
    calls.push_back("remove at " + std::to_string(position));
    if (position >= 0 && position < static_cast<int>(menu.size())) {
        menu.erase(menu.begin() + position);
    }
}

void FakeClockPlatform::DrawPicture(ClockPicture picture, int srcX, int srcY, int width,
                                    int height, int x, int y)
{
    calls.push_back(std::string("draw ") + PictureName(picture));
    pictures.push_back({nowMs, picture, srcX, srcY, width, height, x, y});
}

void FakeClockPlatform::DrawText(const std::string& text, int x, int y, ClockFont font,
                                 Rgb background)
{
    calls.push_back("text " + text);
    texts.push_back({nowMs, text, x, y, font, background});
}

void FakeClockPlatform::Invalidate()
{
    calls.push_back("invalidate");
    invalidations.push_back(nowMs);
    repaintPending = true;
}

std::optional<int> FakeClockPlatform::NextTimer() const
{
    std::optional<int> next;
    for (const auto& [id, timer] : timers) {
        if (!next || timer.dueMs < timers.at(*next).dueMs) {
            next = id;
        }
    }
    return next;
}

std::vector<long long> FakeClockPlatform::SoundTimes(const std::string& name) const
{
    std::vector<long long> times;
    for (const auto& s : sounds) {
        if (s.name == name) {
            times.push_back(s.atMs);
        }
    }
    return times;
}

std::vector<FakeClockPlatform::Picture> FakeClockPlatform::PicturesOf(ClockPicture picture) const
{
    std::vector<Picture> found;
    std::copy_if(pictures.begin(), pictures.end(), std::back_inserter(found),
                 [&](const Picture& p) { return p.picture == picture; });
    return found;
}

std::vector<FakeClockPlatform::Text> FakeClockPlatform::TextsAt(int x, int y) const
{
    std::vector<Text> found;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(found),
                 [&](const Text& t) { return t.x == x && t.y == y; });
    return found;
}

std::vector<FakeClockPlatform::TimerCall> FakeClockPlatform::StartsOf(int id) const
{
    std::vector<TimerCall> found;
    std::copy_if(timerStarts.begin(), timerStarts.end(), std::back_inserter(found),
                 [&](const TimerCall& c) { return c.id == id; });
    return found;
}

std::vector<FakeClockPlatform::TimerCall> FakeClockPlatform::StopsOf(int id) const
{
    std::vector<TimerCall> found;
    std::copy_if(timerStops.begin(), timerStops.end(), std::back_inserter(found),
                 [&](const TimerCall& c) { return c.id == id; });
    return found;
}

std::vector<std::string> FakeClockPlatform::CallsExcept(const std::string& prefix) const
{
    std::vector<std::string> kept;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(kept),
                 [&](const std::string& c) { return c.compare(0, prefix.size(), prefix) != 0; });
    return kept;
}

void FakeClockPlatform::ClearRecords()
{
    calls.clear();
    sounds.clear();
    soundStops.clear();
    messages.clear();
    alarmBoxes.clear();
    notifications.clear();
    panelUpdates.clear();
    pictures.clear();
    texts.clear();
    timerStarts.clear();
    timerStops.clear();
    invalidations.clear();
    charts.clear();
}
