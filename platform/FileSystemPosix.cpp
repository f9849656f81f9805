#include "FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <climits>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

const char* const kPathSeparators = "/";
const char kPathSeparator = '/';
const char* const kUserSettingsFolderName = "vellmor";

namespace {

// "/home/a/" -> "/home/a"; the root folder stays "/".
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::string RunningExecutablePath()
{
    // The link's length is not known beforehand; grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(n) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string UserConfigHome()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG base
    // directory rules ask.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return WithoutTrailingSlashes(xdg);
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] == '\0') {
        return std::string();
    }
    const std::string base = WithoutTrailingSlashes(home);
    return base == "/" ? "/.config" : base + "/.config";
}

namespace {

// The folders of installed programs and of the system itself.
bool IsSystemProgramFolder(const std::string& realPath)
{
    for (const char* top : {"/usr", "/bin", "/sbin", "/opt"}) {
        const std::string prefix = top;
        if (realPath == prefix || realPath.compare(0, prefix.size() + 1, prefix + "/") == 0) {
            return true;
        }
    }
    return false;
}

// A group of the user's own name with no other members: Debian makes one for
// every user and lets new folders be group-writable (umask 002).
bool IsUsersPrivateGroup(gid_t gid)
{
    if (gid != getegid()) {
        return false;
    }
    const passwd* user = getpwuid(geteuid());
    const std::string userName = user != nullptr ? user->pw_name : "";
    const group* g = getgrgid(gid);
    return g != nullptr && !userName.empty() && userName == g->gr_name &&
           (g->gr_mem == nullptr || g->gr_mem[0] == nullptr ||
            (g->gr_mem[1] == nullptr && userName == g->gr_mem[0]));
}

}  // namespace

bool FolderIsUsersOwn(const std::string& folder)
{
    char resolved[PATH_MAX];
    struct stat info {};
    if (realpath(folder.c_str(), resolved) == nullptr || stat(resolved, &info) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
        return false;
    }
    if ((info.st_mode & S_IWOTH) != 0 ||
        ((info.st_mode & S_IWGRP) != 0 && !IsUsersPrivateGroup(info.st_gid))) {
        return false;  // another user could put files there, or swap ours
    }
    if (info.st_uid == 0 && IsSystemProgramFolder(resolved)) {
        return false;
    }
    // access() also reports a read-only file system and an immutable folder.
    return access(resolved, W_OK | X_OK) == 0;
}

bool MakeFolders(const std::string& folder)
{
    if (folder.empty() || folder == "/" || folder == ".") {
        return true;
    }
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) {
        return S_ISDIR(info.st_mode);
    }
    if (!MakeFolders(FolderOf(folder))) {
        return false;
    }
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool PathExists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string ReadOnlyFileReason(const std::string& path)
{
    if (access(path.c_str(), F_OK) != 0 || access(path.c_str(), W_OK) == 0) {
        return std::string();
    }
    return std::strerror(errno);
}

bool CanOpenFileForReading(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool isFolder = fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    close(fd);
    return !isFolder;
}
