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

LiveTimers::LiveTimers(wxEvtHandler& owner, int firstId, int count)
    : owner_(owner),
      firstId_(firstId),
      timers_(static_cast<std::size_t>(std::max(count, 0))),
      firing_(static_cast<std::size_t>(std::max(count, 0)))
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
    auto& timer = timers_[Slot(id)];
    if (!timer) {
        timer = std::make_unique<wxTimer>(&owner_, id);
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
    return Has(id) && timers_[Slot(id)] && timers_[Slot(id)]->IsRunning();
}

void LiveTimers::Stop(int id)
{
    if (Has(id) && timers_[Slot(id)]) {
        timers_[Slot(id)]->Stop();
    }
}

void LiveTimers::StopAll()
{
    for (auto& timer : timers_) {
        if (timer) {
            timer->Stop();
        }
    }
}

LiveTimers::Firing::Firing(LiveTimers& timers, int id) : timers_(timers), slot_(timers.Slot(id))
{
    ++timers_.firing_[slot_];
}

LiveTimers::Firing::~Firing()
{
    --timers_.firing_[slot_];
    if (!timers_.retired_.empty() &&
        std::all_of(timers_.firing_.begin(), timers_.firing_.end(),
                    [](int n) { return n == 0; })) {
        timers_.retired_.clear();  // no handler of theirs is running any more
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
    for (std::size_t slot = 0; slot < firing_.size(); ++slot) {
        auto& timer = timers_[slot];
        if (firing_[slot] == 0 || !timer || !timer->IsRunning() || timer->IsOneShot()) {
            continue;
        }
        const int period = timer->GetInterval();
        timer->Stop();
        retired_.push_back(std::move(timer));
        timer = std::make_unique<wxTimer>(&owner_, firstId_ + static_cast<int>(slot));
        timer->Start(period);
    }
}
