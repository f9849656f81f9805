#include "AtomicFile.h"

#include "FileSystem.h"
#include "NewFileText.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Temporary files are "." + the target's name + "." + six letters or digits,
// as mkstemp fills in its XXXXXX.
constexpr const char* kTempSuffix = ".XXXXXX";
constexpr std::size_t kTempRandomChars = 6;

// The file that path names after following symbolic links; path itself when
// nothing exists there yet.
std::string ResolveTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

std::string BaseNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The process's file-creation mask, read without changing it (umask() would
// briefly clear it for every thread); 022 when it cannot be read.
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "Umask:") == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
        }
    }
    return 022;
}

// Whether name is one that a save of base gives its temporary file.
bool IsTempNameOf(const std::string& name, const std::string& base)
{
    const std::string prefix = "." + base + ".";
    if (name.size() != prefix.size() + kTempRandomChars || name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

// Removes the temporary files of earlier saves of base that were killed
// before they could remove their own: regular files of our names, owned by
// this user. The caller holds the folder's exclusive lock, so no save is
// under way there.
void RemoveStaleTemps(int folder, const std::string& base)
{
    const int listing = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) {
        return;
    }
    DIR* dir = fdopendir(listing);
    if (dir == nullptr) {
        close(listing);
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (IsTempNameOf(name, base) &&
            fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == geteuid()) {
            unlinkat(folder, name.c_str(), 0);
        }
    }
    closedir(dir);
}

// Every save holds a shared lock on the folder while its temporary file
// exists; one that gets the exclusive lock for a moment knows that no other
// process is saving there and may clear what killed saves left behind. The
// locks go with the process, so a killed save holds none. A folder that
// cannot be locked (some network file systems) is saved into without a
// clean-up.
void LockFolderForSave(int folder, const std::string& base)
{
    if (flock(folder, LOCK_EX | LOCK_NB) == 0) {
        RemoveStaleTemps(folder, base);
        flock(folder, LOCK_SH);
        return;
    }
    // Another save is under way, or clearing up: wait a little for our
    // share, then go on without it rather than hold the caller.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (flock(folder, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Writes all of bytes to fd; false with errno set when the system refuses.
bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : descriptor(fd) {}
    ~Descriptor()
    {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor; }
    // Closes now; false, with errno set, when the close reports an error
    // (a delayed write that failed).
    bool Close()
    {
        const int fd = descriptor;
        descriptor = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int descriptor;
};

WriteOutcome LastError()
{
    return WriteOutcome::Failure(SystemErrorText(errno));
}

}  // namespace

std::string SystemErrorText(int code)
{
    return std::strerror(code);
}

WriteOutcome ReplaceFileAtomically(const std::string& path,
                                   const std::function<bool(std::ostream&)>& write)
{
    const std::optional<std::string> text = MakeNewFileText(write);
    if (!text) {
        return WriteOutcome::Failure("the new contents could not be made");
    }

    const std::string target = ResolveTarget(path);
    const std::string base = BaseNameOf(target);
    Descriptor folder(open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) {
        return LastError();
    }
    LockFolderForSave(folder.Get(), base);

    // Made and written through one descriptor: the name is never opened
    // again, so nobody can swap a link in for it meanwhile.
    std::string tempPath = FolderOf(target) + "/." + base + kTempSuffix;
    Descriptor temp(mkostemp(tempPath.data(), O_CLOEXEC));
    if (temp.Get() < 0) {
        return LastError();
    }

    struct stat old {};
    if (stat(target.c_str(), &old) == 0) {
        fchmod(temp.Get(), old.st_mode & 07777);
        if (fchown(temp.Get(), old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the new file then stays ours.
        }
    } else {
        fchmod(temp.Get(), 0666 & ~CurrentUmask());
    }

    if (!WriteAll(temp.Get(), *text) || fsync(temp.Get()) != 0 || !temp.Close() ||
        rename(tempPath.c_str(), target.c_str()) != 0) {
        const WriteOutcome failed = LastError();
        unlink(tempPath.c_str());
        return failed;
    }
    // Makes the rename durable; failure only weakens that, so it is ignored.
    fsync(folder.Get());
    return WriteOutcome::Success();
}
