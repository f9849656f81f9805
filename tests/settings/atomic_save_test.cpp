#include "ClockSettings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/file.h>
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
    const WriteOutcome saved8 = SettingsAt(path, 8).Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved8);
    EXPECT_EQ(saved8.reason, std::strerror(EFBIG)) << "the system's reason";
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

TEST(AtomicSave, UnwritablePlacesFailWithTheSystemsReason)
{
    TempDir dir;
    WriteBytes(dir.File("plain-file"), "x");
    const struct {
        std::string path;
        int error;
    } cases[] = {
        {dir.File("missing/vellmor.ini"), ENOENT},
        {dir.File("plain-file/vellmor.ini"), ENOTDIR},
        {"/proc/vellmor-test.ini", ENOENT},  // /proc makes no files, for root neither
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const WriteOutcome saved = SettingsAt(c.path, 8).Save();
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.reason, std::strerror(c.error));
    }
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"plain-file"});
    EXPECT_FALSE(ClockSettings().Save()) << "a record never loaded has no file";
}

// A folder nobody may change, root included (chattr +i, where the file
// system has it): the save fails, saying why, and the old file stays.
TEST(AtomicSave, AnImmutableFolderKeepsTheOldFileAndSaysWhy)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    if (std::system(("chattr +i '" + dir.path + "' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "chattr +i is not available here";
    }
    const WriteOutcome saved = SettingsAt(path, 8).Save();
    std::system(("chattr -i '" + dir.path + "'").c_str());
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.reason, std::strerror(EPERM));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
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
        const bool saved = static_cast<bool>(SettingsAt(path, 8).Save());
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
        const bool saved = static_cast<bool>(SettingsAt(path, 8).Save());
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
        const WriteOutcome saved = SettingsAt(path, 8).Save();
        chmod(path.c_str(), 0644);
        return !saved && saved.reason == std::strerror(EACCES);
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

// A killed save leaves its temporary file behind; the next save clears such
// files away, and nothing else: other names, links, folders and files of
// other users stay.
TEST(AtomicSave, TempFilesOfKilledSavesAreRemovedAndNothingElse)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    WriteBytes(dir.File(".vellmor.ini.Ab3xYz"), "half a save");
    WriteBytes(dir.File(".vellmor.ini.q9Q9q9"), "");
    const std::set<std::string> others{
        ".vellmor.ini.Ab3xY",  ".vellmor.ini.Ab3xYz0", ".vellmor.ini.Ab-xYz",
        ".other.ini.Ab3xYz",   "vellmor.ini.Ab3xYz",   ".vellmor.ini.Link12",
        ".vellmor.ini.Fold12", ".vellmor.ini.Other1",
    };
    for (const std::string& name : others) {
        if (name == ".vellmor.ini.Link12") {
            ASSERT_EQ(symlink(path.c_str(), dir.File(name).c_str()), 0);
        } else if (name == ".vellmor.ini.Fold12") {
            ASSERT_EQ(mkdir(dir.File(name).c_str(), 0700), 0);
        } else {
            WriteBytes(dir.File(name), "not ours to remove");
        }
    }
    // Another user's, of our name: when the test runs as root, "nobody"'s.
    const uid_t other = geteuid() == 0 ? 65534 : geteuid() + 1;
    if (chown(dir.File(".vellmor.ini.Other1").c_str(), other, other) != 0) {
        ASSERT_NE(geteuid(), 0u) << "root could not give the file away";
        std::remove(dir.File(".vellmor.ini.Other1").c_str());  // cannot be made here
    }

    ASSERT_TRUE(SettingsAt(path, 8).Save());
    std::set<std::string> expected = others;
    expected.insert("vellmor.ini");
    if (geteuid() != 0) {
        expected.erase(".vellmor.ini.Other1");
    }
    EXPECT_EQ(Listing(dir.path), expected);
}

// While another process saves into the folder (it holds the folder's shared
// lock, as every save does), its temporary file is not stale: a save beside
// it leaves it. Once that process has ended, the next save clears it.
TEST(AtomicSave, TheTempFileOfASaveUnderWayIsLeftAlone)
{
    TempDir dir;
    const std::string path = dir.File("vellmor.ini");
    WriteBytes(path, kOld);
    const std::string busy = dir.File(".vellmor.ini.Busy12");
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        const int folder = open(dir.path.c_str(), O_RDONLY | O_DIRECTORY);
        const bool locked = folder >= 0 && flock(folder, LOCK_SH) == 0;
        WriteBytes(busy, "being written");
        char go = locked ? 'y' : 'n';
        if (write(ready[1], &go, 1) != 1 || read(release[0], &go, 1) != 1) {
            _exit(2);
        }
        _exit(0);  // the lock goes with the process
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y') << "the other save could not lock the folder";

    EXPECT_TRUE(SettingsAt(path, 8).Save()) << "a save beside another one still succeeds";
    EXPECT_TRUE(Listing(dir.path).count(".vellmor.ini.Busy12")) << "removed under a running save";

    ASSERT_EQ(write(release[1], "x", 1), 1);
    waitpid(saver, nullptr, 0);
    EXPECT_TRUE(SettingsAt(path, 9).Save());
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
    for (int fd : {ready[0], ready[1], release[0], release[1]}) {
        close(fd);
    }
}

// A process killed at any moment of a save leaves the old file or the new
// one, whole; the next save clears what the killed ones left.
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
    ASSERT_TRUE(SettingsAt(path, 1).Save());
    EXPECT_EQ(Listing(dir.path), std::set<std::string>{"vellmor.ini"});
}

}  // namespace
