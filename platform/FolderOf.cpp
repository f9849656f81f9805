#include "FileSystem.h"

#include <cstring>

std::string FolderOf(const std::string& path)
{
    const auto separator = path.find_last_of(kPathSeparators);
    if (separator == std::string::npos) {
        return ".";
    }
    // "C:\vellmor.ini" lies in the drive's root "C:\"; "C:" alone names the
    // drive's current folder. Only where a backslash separates (Windows).
    const bool driveRoot = separator == 2 && path[1] == ':' &&
                           std::strchr(kPathSeparators, '\\') != nullptr;
    return separator == 0 || driveRoot ? path.substr(0, separator + 1)
                                       : path.substr(0, separator);
}
