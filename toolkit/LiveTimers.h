#pragma once

#include <memory>
#include <vector>

class wxEvtHandler;
class wxTimer;

// Timers by id, firstId .. firstId + count - 1, each sending its events to
// one handler with its id, that keep firing through every modal run
// (ModalRun).
//
// The toolkit does not fire a timer again while its own handler runs, so a
// message box shown from a tick would stop the clock until it closed. When a
// modal run starts, every timer of the table whose handler is running is
// handed over to a fresh timer of the same id and period; the old one is kept
// until no handler of the table runs any more. The handler brackets its work
// with a Firing; counting the firings touches no heap.
class LiveTimers {
public:
    LiveTimers(wxEvtHandler& handler, int first, int count);
    ~LiveTimers();
    LiveTimers(const LiveTimers&) = delete;
    LiveTimers& operator=(const LiveTimers&) = delete;

    bool Has(int id) const
    {
        return id >= firstId && id - firstId < static_cast<int>(firing.size());
    }
    // Starts (or restarts) timer id; false when it cannot be set or id is not the table's.
    bool Start(int id, int periodMs);
    // Starts timer id to fire once after delayMs. A one-shot timer re-armed
    // by its own handler is a fresh source already, so a modal run leaves it be.
    bool StartOnce(int id, int delayMs);
    bool IsRunning(int id) const;
    void Stop(int id);
    void StopAll();

    // The handler of timer id (one of the table's) runs while a Firing lives.
    class Firing {
    public:
        Firing(LiveTimers& timers, int id);
        ~Firing();
        Firing(const Firing&) = delete;
        Firing& operator=(const Firing&) = delete;

    private:
        LiveTimers& table;
        std::size_t slot;
    };

    // Hands the firing timers of every table over to fresh ones; a modal run
    // calls it as it starts.
    static void HandOverAllFiring();

private:
    std::size_t Slot(int id) const { return static_cast<std::size_t>(id - firstId); }
    wxTimer* TimerFor(int id);
    void HandOverFiring();

    wxEvtHandler& owner;
    int firstId;
    std::vector<std::unique_ptr<wxTimer>> timers;   // by slot; made on the first Start
    std::vector<int> firing;                        // by slot: handlers running now
    std::vector<std::unique_ptr<wxTimer>> retired;  // handed over while they fired
};
