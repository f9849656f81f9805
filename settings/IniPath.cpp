#include "IniPath.h"

#include "AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writable here means a new file can be created and renamed in it. access()
// also reports a read-only file system; root passes every other check.
bool FolderIsWritable(const std::string& folder)
{
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

// mkdir -p with mode 0700 for every folder it has to create.
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

// "/home/a/" -> "/home/a"; the root folder stays "/".
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string Join(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// Copies the file whole or not at all; the caller checked that `to` is missing.
void CopyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    if (!in) {
        return;
    }
    ReplaceFileAtomically(to, [&](std::ostream& out) {
        // An empty file gives no characters to copy, which sets failbit on out.
        if (in.peek() == std::ifstream::traits_type::eof()) {
            return !in.bad();
        }
        out << in.rdbuf();
        return !in.bad() && static_cast<bool>(out);
    });
}

}  // namespace

std::string IniPathForExecutable(const std::string& executablePath)
{
    const auto slash = executablePath.rfind('/');
    const std::size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > baseStart;
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

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
    return Join(WithoutTrailingSlashes(home), ".config");
}

std::string UserIniPathForExecutable(const std::string& executablePath,
                                     const std::string& configHome)
{
    return Join(configHome, "vellmor/" + FileNameOf(IniPathForExecutable(executablePath)));
}

std::string ChooseIniPath(const std::string& executablePath, const std::string& configHome)
{
    const std::string beside = IniPathForExecutable(executablePath);
    if (FolderIsWritable(FolderOf(beside)) || configHome.empty()) {
        return beside;
    }
    const std::string user = UserIniPathForExecutable(executablePath, configHome);
    if (!MakeFolders(FolderOf(user))) {
        return beside;
    }
    if (!Exists(user) && Exists(beside)) {
        CopyFile(beside, user);
    }
    return user;
}

std::string DefaultIniPath()
{
    const std::string exe = RunningExecutablePath();
    return ChooseIniPath(exe.empty() ? std::string("vellmor") : exe, UserConfigHome());
}
