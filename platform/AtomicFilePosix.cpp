#include "AtomicFile.h"

#include "FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// Makes the rename durable; failure only weakens that, so it is ignored.
void SyncDirectory(const std::string& dir)
{
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool WriteAll(const std::string& tempPath, const std::function<bool(std::ostream&)>& write)
{
    try {
        std::ofstream out(tempPath, std::ios::binary | std::ios::trunc);
        if (!out || !write(out)) {
            return false;
        }
        out.flush();
        out.close();
        return !out.fail();
    } catch (...) {
        return false;
    }
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path,
                           const std::function<bool(std::ostream&)>& write)
{
    const std::string target = ResolveTarget(path);
    const auto slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string dir = FolderOf(target);

    std::string tempPath = dir + "/." + base + ".XXXXXX";
    const int fd = mkstemp(tempPath.data());
    if (fd < 0) {
        return false;
    }

    struct stat old {};
    if (stat(target.c_str(), &old) == 0) {
        fchmod(fd, old.st_mode & 07777);
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the new file then stays ours.
        }
    } else {
        fchmod(fd, 0666 & ~CurrentUmask());
    }

    const bool ok = WriteAll(tempPath, write) && fsync(fd) == 0;
    if (close(fd) != 0 || !ok || rename(tempPath.c_str(), target.c_str()) != 0) {
        unlink(tempPath.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}
