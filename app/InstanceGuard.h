#pragma once

#include <memory>

// Lets one copy of the clock run at a time; one implementation per system.
// On POSIX systems (InstanceGuardLockFile.cpp) it is an advisory lock (an
// open file description lock) on the file "ShogyouMujou" in the user's
// runtime folder (or home), held by the running copy: the system releases it
// with the process however that ends, so a copy that crashed blocks nothing,
// and whatever process id the file names is never consulted. The file is
// removed at the end when it can be, silently left when it cannot. On Windows (InstanceGuardMutex.cpp) it is the named mutex
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
