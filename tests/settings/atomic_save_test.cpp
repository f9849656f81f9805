#include "ClockSettings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <dirent.h>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::set<std::string> Listing(const std::string& dir)
{
    std::set<std::string> names;
    DIR* d = opendir(dir.c_str());
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") {
            names.insert(name);
        }
    }
    closedir(d);
    return names;
}

ClockSettings SettingsAt(const std::string& path, int hour)
{
    ClockSettings s;
    s.iniPath = path;
    s.alarmHour = hour;
    return s;
}

const std::string kOld = "; keep me\n[Alarm]\nHour=7\n";

TEST(AtomicSave, SuccessLeavesOnlyTheIniFile)
{
    TempDir dir;
    WriteBytes(dir.File("vellmor.ini"), kOld);
    ASSERT_TRUE(SettingsAt(dir.File("vellmor.ini"), 8).Save());
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

TEST(AtomicSave, AFullDiskLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);

    // A file size limit below the new file's size makes its writing fail the
    // way a full disk does.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = SettingsAt(path, 8).Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

TEST(AtomicSave, UnwritablePlacesFailQuietly)
{
    TempDir dir;
    WriteBytes(dir.File("plain-file"), "x");
    for (const std::string& path : {dir.File("missing/vellmor.ini"),
                                    dir.File("plain-file/vellmor.ini"),
                                    std::string("/proc/vellmor-test.ini")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(SettingsAt(path, 8).Save());
    }
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"plain-file"});
    EXPECT_FALSE(ClockSettings().Save()) << "a record never loaded has no file";
}

// Root may write into any directory and read any file, so as root these run
// in a child process that has become the unprivileged user "nobody".
constexpr uid_t kNobody = 65534;

bool AsUnprivileged(const TempDir& dir, const std::function<bool()>& body)
{
    if (geteuid() != 0) {
        return body();
    }
    if (chown(dir.path.c_str(), kNobody, kNobody) != 0 ||
        chown(dir.File("vellmor.ini").c_str(), kNobody, kNobody) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(AtomicSave, AReadOnlyDirectoryKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    EXPECT_TRUE(AsUnprivileged(dir, [&] {
        chmod(dir.path.c_str(), 0555);
        const bool saved = SettingsAt(path, 8).Save();
        chmod(dir.path.c_str(), 0755);
        return !saved;
    }));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

TEST(AtomicSave, AFileThatCannotBeReadIsNotReplaced)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    EXPECT_TRUE(AsUnprivileged(dir, [&] {
        chmod(path.c_str(), 0200);
        const bool saved = SettingsAt(path, 8).Save();
        chmod(path.c_str(), 0600);
        return !saved;
    }));
    EXPECT_EQ(ReadBytes(path), kOld);
}

TEST(AtomicSave, AReadOnlyFileIsLeftAlone)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    EXPECT_TRUE(AsUnprivileged(dir, [&] {
        chmod(path.c_str(), 0444);
        const bool saved = SettingsAt(path, 8).Save();
        chmod(path.c_str(), 0644);
        return !saved;
    }));
    EXPECT_EQ(ReadBytes(path), kOld);
}

TEST(AtomicSave, PermissionsAndSymbolicLinksAreKept)
{
    TempDir dir;
    const std::string real = dir.File("real.ini");
    const std::string link = dir.File("vellmor.ini");
    WriteBytes(real, kOld);
    chmod(real.c_str(), 0640);
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);

    ASSERT_TRUE(SettingsAt(link, 8).Save());
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ClockSettings back;
    back.LoadFrom(real);
    EXPECT_EQ(back.alarmHour, 8);
}

// A process killed at any moment of a save leaves the old file or the new
// one, whole.
TEST(AtomicSave, AKillDuringSaveLeavesOldOrNewFile)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    ASSERT_TRUE(SettingsAt(path, 1).Save());
    const std::string first = ReadBytes(path);
    ASSERT_TRUE(SettingsAt(path, 2).Save());
    const std::string second = ReadBytes(path);

    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                SettingsAt(path, 1 + i % 2).Save();
            }
        }
        usleep(200 + random() % 3000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = ReadBytes(path);
        ASSERT_TRUE(now == first || now == second) << "round " << round << ":\n" << now;
    }
}

}  // namespace
