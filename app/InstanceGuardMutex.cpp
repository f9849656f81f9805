#include "InstanceGuard.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kMutexName = L"ShogyouMujou";

}  // namespace

// Creating the mutex and learning that it existed already is one step, so
// two copies started at the same moment cannot both pass.
struct InstanceGuard::Lock {
    HANDLE mutex = nullptr;
    bool existed = false;
};

InstanceGuard::InstanceGuard()
    : lock(std::make_unique<Lock>())
{
    lock->mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    const DWORD error = GetLastError();
    // A mutex of another session's copy that this user may not open exists
    // all the same.
    lock->existed = lock->mutex != nullptr ? error == ERROR_ALREADY_EXISTS
                                             : error == ERROR_ACCESS_DENIED;
}

InstanceGuard::~InstanceGuard()
{
    if (lock->mutex != nullptr) {
        CloseHandle(lock->mutex);
    }
}

bool InstanceGuard::AnotherCopyIsRunning() const
{
    return lock->existed;
}
