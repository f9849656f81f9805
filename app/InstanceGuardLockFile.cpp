#include "InstanceGuard.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kInstanceName = "ShogyouMujou";

// The user's runtime folder, or home when there is none (the lock file then
// outlives a reboot, which the advisory lock does not).
std::string LockFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0' && access(runtime, W_OK | X_OK) == 0) {
        return runtime;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/";
    }
    return home;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// An exclusive lock on the whole file, held by this open file description
// until it is closed (by the process's end, however it ends). false, with
// errno set, when it is held elsewhere or locks do not work here.
bool LockWholeFile(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

}  // namespace

// The running copy holds an advisory lock on the file; the process id
// written into it is for people only. Whether a copy runs is the lock's
// answer, never that number's: a lock left by a copy that crashed holds
// nothing, whoever has that number now. Taking the lock and learning that
// it was held is one step, so two copies started at the same moment cannot
// both pass.
struct InstanceGuard::Lock {
    std::string path;
    int fd = -1;
    bool anotherRunning = false;

    void Take();
    void Release();
};

void InstanceGuard::Lock::Take()
{
    path = LockFolder() + "/" + kInstanceName;
    // A copy that ends removes the file; one that started meanwhile may hold
    // the lock of a file that no longer has the name, and tries again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            return;  // no lock can be had here: the clock runs, as it always could
        }
        if (!LockWholeFile(fd)) {
            anotherRunning = errno == EAGAIN || errno == EACCES;
            close(fd);
            fd = -1;
            return;
        }
        struct stat held {};
        struct stat named {};
        if (fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && SameFile(held, named)) {
            const std::string pid = std::to_string(getpid()) + "\n";
            if (ftruncate(fd, 0) != 0 || write(fd, pid.data(), pid.size()) < 0) {
                // The number is for people only; the lock holds without it.
            }
            return;
        }
        close(fd);
        fd = -1;
    }
}

void InstanceGuard::Lock::Release()
{
    if (fd < 0) {
        return;
    }
    // Removed only while it is still ours. A folder that is gone or cannot
    // be written (the end of a session) keeps the file, which holds nothing
    // once the lock goes with the close below: nobody is told.
    struct stat held {};
    struct stat named {};
    if (fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && SameFile(held, named)) {
        unlink(path.c_str());
    }
    close(fd);
    fd = -1;
}

InstanceGuard::InstanceGuard()
    : lock(std::make_unique<Lock>())
{
    lock->Take();
}

InstanceGuard::~InstanceGuard()
{
    lock->Release();
}

bool InstanceGuard::AnotherCopyIsRunning() const
{
    return lock->anotherRunning;
}
