// The Windows save as Windows' own habits meet it (run under Wine): a file
// that another program holds open for a moment, a hidden file, a settings
// file at the top of a drive, and what killed saves leave behind.
#include "ClockSettings.h"
#include "TempDir.h"
#include "WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

const std::string kOld = "; keep me\r\n[Alarm]\r\nHour=7\r\n";

ClockSettings SettingsAt(const std::string& path, int hour)
{
    ClockSettings s;
    s.iniPath = path;
    s.alarmHour = hour;
    return s;
}

int HourIn(const std::string& path)
{
    ClockSettings read;
    read.LoadFrom(path);
    return read.alarmHour;
}

std::set<std::string> Listing(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Utf8ToWide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = WideToUtf8(found.cFileName);
        if (name != "." && name != "..") {
            names.insert(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Antivirus scanners, the search indexer and backup tools open a file that
// was just written, for a moment, sharing reading and writing but not its
// deletion, which is what a replace does to it. The save waits that moment
// out.
TEST(WindowsSave, AFileHeldOpenForAMomentIsReplacedOnceItIsLetGo)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    const HANDLE held = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    // The scanner lets go once the save is under way (its temporary file
    // is there); without retries the save has failed by then.
    std::thread scanner([&] {
        const auto giveUp = std::chrono::steady_clock::now() + 60s;
        for (;;) {
            const auto names = Listing(dir.path);
            if (names.size() > 1 || std::chrono::steady_clock::now() > giveUp) {
                break;
            }
            std::this_thread::sleep_for(1ms);
        }
        CloseHandle(held);
    });
    const WriteOutcome saved = SettingsAt(path, 8).Save();
    scanner.join();
    EXPECT_TRUE(saved) << saved.reason;
    EXPECT_EQ(HourIn(path), 8);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

// A file held open for good: the save gives up after a while, saying why,
// and leaves the old file and no temporary one.
TEST(WindowsSave, AFileHeldOpenForGoodFailsWithTheSystemsReason)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    const HANDLE held = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const WriteOutcome saved = SettingsAt(path, 8).Save();
    CloseHandle(held);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.reason.empty());
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

TEST(WindowsSave, AHiddenFileStaysHidden)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    const std::wstring wide = Utf8ToWide(path);
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    const WriteOutcome saved = SettingsAt(path, 8).Save();
    EXPECT_TRUE(saved) << saved.reason;
    EXPECT_EQ(HourIn(path), 8);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u) << "the saved file is no longer hidden";
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// "C:\vellmor.ini" lies in "C:\". "C:" alone names the current folder of
// drive C, which the process keeps in the variable "=C:" while its own
// current folder is on another drive; here that folder does not exist.
TEST(WindowsSave, AFileAtTheTopOfADriveIsSavedInTheDrivesRoot)
{
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 2u);
    const std::string drive = WideToUtf8(std::wstring(windows, 2));  // "C:"
    const std::string path =
        drive + "\\vellmor-root-test-" + std::to_string(GetCurrentProcessId()) + ".ini";
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(L"Z:\\"));  // another drive
    const std::wstring driveVariable = L"=" + Utf8ToWide(drive);
    ASSERT_TRUE(SetEnvironmentVariableW(driveVariable.c_str(),
                                        (Utf8ToWide(drive) + L"\\no-such-folder-here").c_str()));

    const WriteOutcome saved = SettingsAt(path, 8).Save();
    SetEnvironmentVariableW(driveVariable.c_str(), nullptr);
    SetCurrentDirectoryW(before);
    EXPECT_TRUE(saved) << saved.reason;
    EXPECT_EQ(HourIn(path), 8);
    DeleteFileW(Utf8ToWide(path).c_str());
}

// The temporary files of killed saves go with the next save; other names,
// and a temporary file that a save still has open, stay.
TEST(WindowsSave, TempFilesOfKilledSavesAreRemovedAndNothingElse)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    WriteBytes(dir.File(".vellmor.ini.Ab3xYz"), "half a save");
    const std::set<std::string> others{".vellmor.ini.Ab3xY", ".vellmor.ini.Ab3xYz0",
                                       ".other.ini.Ab3xYz", "vellmor.ini.Ab3xYz"};
    for (const std::string& name : others) {
        WriteBytes(dir.File(name), "not ours to remove");
    }
    const std::string busy = dir.File(".vellmor.ini.Busy12");
    const HANDLE open = CreateFileW(Utf8ToWide(busy).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);

    const WriteOutcome saved = SettingsAt(path, 8).Save();
    CloseHandle(open);
    EXPECT_TRUE(saved) << saved.reason;
    std::set<std::string> expected = others;
    expected.insert({"vellmor.ini", ".vellmor.ini.Busy12"});
    EXPECT_EQ(Listing(dir.path), expected);
}

TEST(WindowsSave, AMissingFolderFailsWithTheSystemsReason)
{
    TempDir dir;
    const WriteOutcome saved = SettingsAt(dir.File("gone\\vellmor.ini"), 8).Save();
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.reason.empty());
    EXPECT_EQ(saved.reason.find_first_of("\r\n"), std::string::npos) << saved.reason;
}

}  // namespace
