#include "IniPath.h"

#include "AtomicFile.h"
#include "FileSystem.h"

#include <filesystem>
#include <fstream>
#include <ostream>

namespace {

std::string FileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of(kPathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name)
{
    const bool endsInSeparator =
        !folder.empty() && std::string(kPathSeparators).find(folder.back()) != std::string::npos;
    return endsInSeparator ? folder + name : folder + kPathSeparator + name;
}

// Copies the file whole or not at all; the caller checked that `to` is missing.
void CopyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(std::filesystem::u8path(from), std::ios::binary);
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
    const auto slash = executablePath.find_last_of(kPathSeparators);
    const std::size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > baseStart;
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

std::string UserIniPathForExecutable(const std::string& executablePath,
                                     const std::string& configHome)
{
    return Join(Join(configHome, kUserSettingsFolderName),
                FileNameOf(IniPathForExecutable(executablePath)));
}

std::string ChooseIniPath(const std::string& executablePath, const std::string& configHome)
{
    const std::string beside = IniPathForExecutable(executablePath);
    if (FolderIsUsersOwn(FolderOf(beside)) || configHome.empty()) {
        return beside;
    }
    const std::string user = UserIniPathForExecutable(executablePath, configHome);
    if (!MakeFolders(FolderOf(user))) {
        return beside;
    }
    if (!PathExists(user) && PathExists(beside)) {
        CopyFile(beside, user);
    }
    return user;
}

std::string DefaultIniPath()
{
    const std::string exe = RunningExecutablePath();
    return ChooseIniPath(exe.empty() ? std::string("vellmor") : exe, UserConfigHome());
}
