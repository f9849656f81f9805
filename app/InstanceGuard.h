#pragma once

#include <memory>

// Lets one copy of the clock run at a time; one implementation per system.
// On POSIX systems (InstanceGuardLockFile.cpp) the lock is a file in the
// user's runtime folder (or home) holding the owner's process id; a lock left
// by a copy that crashed names a dead process and does not block the next
// start. On Windows (InstanceGuardMutex.cpp) it is the named mutex
// "ShogyouMujou", which the system releases with the process that holds it.
class InstanceGuard {
public:
    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    bool AnotherCopyIsRunning() const;

private:
    struct Lock;
    std::unique_ptr<Lock> lock;
};
