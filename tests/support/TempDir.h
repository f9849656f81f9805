#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include <cstdlib>
#include <ftw.h>
#include <unistd.h>

// A fresh directory under /tmp, removed with its contents at the end.
class TempDir {
public:
    TempDir()
    {
        char name[] = "/tmp/vellmor-app-test-XXXXXX";
        if (mkdtemp(name) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path = name;
    }
    ~TempDir()
    {
        nftw(path.c_str(), [](const char* p, const struct stat*, int, struct FTW*) { return remove(p); },
             16, FTW_DEPTH | FTW_PHYS);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return path + "/" + name; }

    std::string path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
