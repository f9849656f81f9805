#include "FileSystem.h"

std::string FolderOf(const std::string& path)
{
    const auto separator = path.find_last_of(kPathSeparators);
    if (separator == std::string::npos) {
        return ".";
    }
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}
