#include "FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

// access() also reports a read-only file system; root passes every other check.
bool FolderIsWritable(const std::string& folder)
{
    return access(folder.c_str(), W_OK | X_OK) == 0;
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

bool FileIsReadOnly(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0;
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
