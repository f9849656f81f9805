#pragma once

#include <memory>

class wxSingleInstanceChecker;

// Lets one copy of the clock run per user. The lock is a file in the user's
// runtime folder (or home) holding the owner's process id; a lock left by a
// copy that crashed names a dead process and does not block the next start.
class InstanceGuard {
public:
    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    bool AnotherCopyIsRunning() const;

private:
    std::unique_ptr<wxSingleInstanceChecker> checker_;
};
