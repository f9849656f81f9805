#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

// A fresh directory in the system's temporary folder (/tmp, or %TEMP% on
// Windows), removed with its contents at the end.
class TempDir {
public:
    TempDir()
    {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / ("vellmor-app-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                path = candidate.u8string();
                return;
            }
        }
        throw std::runtime_error("no temporary folder could be made");
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::u8path(path), ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return path + "/" + name; }

    std::string path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
