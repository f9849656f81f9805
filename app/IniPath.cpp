#include "IniPath.h"

#include <unistd.h>
#include <vector>

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

std::string DefaultIniPath()
{
    const std::string exe = RunningExecutablePath();
    return IniPathForExecutable(exe.empty() ? std::string("vellmor") : exe);
}
