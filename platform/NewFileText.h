#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

// The whole text a writer makes for a file, made before any file is touched:
// nothing when the writer fails or throws, so that it leaves no file behind.
inline std::optional<std::string> MakeNewFileText(
    const std::function<bool(std::ostream&)>& write)
{
    std::ostringstream text;
    try {
        if (!write(text) || !text) {
            return std::nullopt;
        }
    } catch (...) {
        return std::nullopt;
    }
    return text.str();
}
