#include "IniPath.h"
#include "TempDir.h"

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

TEST(FolderOf, WhatPrecedesTheLastSeparatorTheRootOrTheWorkingFolder)
{
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/opt/vellmor/vellmor.ini", "/opt/vellmor"},
        {"/vellmor.ini", "/"},
        {"vellmor.ini", "."},
        {"config/vellmor.ini", "config"},
        {"/opt/vellmor/", "/opt/vellmor"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    }
    if (kPathSeparator == '\\') {
        EXPECT_EQ(FolderOf("C:\\Vellmor\\vellmor.ini"), "C:\\Vellmor");
        EXPECT_EQ(FolderOf("D:/tools/vellmor.exe"), "D:/tools");
        EXPECT_EQ(FolderOf("\\vellmor.ini"), "\\");
    }
}

// Windows names folders with "\" as well as "/", and programs with ".exe".
TEST(IniPath, WindowsPathsKeepTheirFolderAndLoseTheirExtension)
{
    if (kPathSeparator != '\\') {
        GTEST_SKIP() << "a backslash is part of a file name here";
    }
    const struct {
        const char* exe;
        const char* ini;
    } cases[] = {
        {"C:\\Program Files\\Vellmor\\vellmor.exe", "C:\\Program Files\\Vellmor\\vellmor.ini"},
        {"C:\\v.1\\clock2.exe", "C:\\v.1\\clock2.ini"},
        {"C:\\v.1\\vellmor", "C:\\v.1\\vellmor.ini"},
        {"D:/tools/vellmor.exe", "D:/tools/vellmor.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniPathForExecutable(c.exe), c.ini) << c.exe;
    }
    EXPECT_EQ(UserIniPathForExecutable("C:\\Program Files\\Vellmor\\clock2.exe",
                                       "C:\\Users\\a\\AppData\\Roaming"),
              "C:\\Users\\a\\AppData\\Roaming\\Vellmor\\clock2.ini");
}

// A program in a folder nobody may write (Program Files for a user; here the
// system's /proc, which Wine shows as Z:\proc) keeps its settings in the
// user's folder, made when needed.
TEST(IniPath, AProgramFolderThatCannotBeWrittenSendsTheFileToTheUsersFolder)
{
    if (kPathSeparator != '\\') {
        GTEST_SKIP() << "POSIX systems: tests/install/ (as an unprivileged user)";
    }
    TempDir appData;
    const std::string exe = "Z:\\proc\\vellmor.exe";
    const std::string expected = appData.path + "\\Vellmor\\vellmor.ini";
    EXPECT_EQ(ChooseIniPath(exe, appData.path), expected);
    EXPECT_TRUE(PathExists(appData.path + "\\Vellmor"));
    // A writable folder keeps the file beside the program.
    EXPECT_EQ(ChooseIniPath(appData.File("clock2.exe"), appData.path), appData.File("clock2.ini"));
}

TEST(IniPath, DefaultIsBesideTheRunningExecutable)
{
    const std::string exe = RunningExecutablePath();
    ASSERT_FALSE(exe.empty());
    // An absolute path: from the root, or from a drive on Windows.
    if (kPathSeparator == '/') {
        EXPECT_EQ(exe.front(), '/');
    } else {
        ASSERT_GE(exe.size(), 3u);
        EXPECT_EQ(exe.substr(1, 2), ":\\");
    }
    EXPECT_EQ(DefaultIniPath(), IniPathForExecutable(exe));
}

}  // namespace
