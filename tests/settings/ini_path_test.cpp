#include "IniPath.h"

#include <gtest/gtest.h>

namespace {

TEST(IniPath, TheExecutablesDirectoryAndBaseNameWithIni)
{
    const struct {
        const char* exe;
        const char* ini;
    } cases[] = {
        {"/opt/vellmor/vellmor", "/opt/vellmor/vellmor.ini"},
        {"/opt/vellmor/clock-copy", "/opt/vellmor/clock-copy.ini"},  // renamed: its own file
        {"/opt/vellmor/vellmor.bin", "/opt/vellmor/vellmor.ini"},      // extension replaced
        {"/opt/v.1/vellmor", "/opt/v.1/vellmor.ini"},                 // dot in a directory
        {"/opt/v/.vellmor", "/opt/v/.vellmor.ini"},                   // leading dot: no extension
        {"/opt/v/a.b.c", "/opt/v/a.b.ini"},
        {"vellmor", "vellmor.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniPathForExecutable(c.exe), c.ini) << c.exe;
    }
}

TEST(IniPath, DefaultIsBesideTheRunningExecutable)
{
    const std::string exe = RunningExecutablePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.front(), '/');
    EXPECT_EQ(DefaultIniPath(), IniPathForExecutable(exe));
}

}  // namespace
