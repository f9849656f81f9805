#include "LiveTimers.h"

#include <wx/timer.h>

#include <algorithm>

namespace {

// Every table alive; all of them live on the toolkit's one thread.
std::vector<LiveTimers*>& Tables()
{
    static std::vector<LiveTimers*> tables;
    return tables;
}

}  // namespace

LiveTimers::LiveTimers(wxEvtHandler& handler, int first, int count)
    : owner(handler),
      firstId(first),
      timers(static_cast<std::size_t>(std::max(count, 0))),
      firing(static_cast<std::size_t>(std::max(count, 0)))
{
    Tables().push_back(this);
}

LiveTimers::~LiveTimers()
{
    StopAll();
    auto& tables = Tables();
    tables.erase(std::remove(tables.begin(), tables.end(), this), tables.end());
}

wxTimer* LiveTimers::TimerFor(int id)
{
    if (!Has(id)) {
        return nullptr;
    }
    auto& timer = timers[Slot(id)];
    if (!timer) {
        timer = std::make_unique<wxTimer>(&owner, id);
    }
    return timer.get();
}

bool LiveTimers::Start(int id, int periodMs)
{
    wxTimer* timer = TimerFor(id);
    return timer && timer->Start(periodMs);
}

bool LiveTimers::StartOnce(int id, int delayMs)
{
    wxTimer* timer = TimerFor(id);
    return timer && timer->StartOnce(delayMs);
}

bool LiveTimers::IsRunning(int id) const
{
    return Has(id) && timers[Slot(id)] && timers[Slot(id)]->IsRunning();
}

void LiveTimers::Stop(int id)
{
    if (Has(id) && timers[Slot(id)]) {
        timers[Slot(id)]->Stop();
    }
}

void LiveTimers::StopAll()
{
    for (auto& timer : timers) {
        if (timer) {
            timer->Stop();
        }
    }
}

LiveTimers::Firing::Firing(LiveTimers& timers, int id) : table(timers), slot(timers.Slot(id))
{
    ++table.firing[slot];
}

LiveTimers::Firing::~Firing()
{
    --table.firing[slot];
    if (!table.retired.empty() &&
        std::all_of(table.firing.begin(), table.firing.end(), [](int n) { return n == 0; })) {
        table.retired.clear();  // no handler of theirs is running any more
    }
}

void LiveTimers::HandOverAllFiring()
{
    for (LiveTimers* table : Tables()) {
        table->HandOverFiring();
    }
}

void LiveTimers::HandOverFiring()
{
    for (std::size_t slot = 0; slot < firing.size(); ++slot) {
        auto& timer = timers[slot];
        if (firing[slot] == 0 || !timer || !timer->IsRunning() || timer->IsOneShot()) {
            continue;
        }
        const int period = timer->GetInterval();
        timer->Stop();
        retired.push_back(std::move(timer));
        timer = std::make_unique<wxTimer>(&owner, firstId + static_cast<int>(slot));
        timer->Start(period);
    }
}
