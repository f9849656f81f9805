// Where the settings file lives: beside a program whose folder can be written
// (a portable copy), in the user's configuration folder otherwise (an
// installed program).
#include "ClockSettings.h"
#include "IniPath.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// Sets or clears environment variables for one scope.
class EnvironmentScope {
public:
    EnvironmentScope(std::initializer_list<std::pair<const char*, std::optional<std::string>>> values)
    {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            Set(name, value);
        }
    }
    ~EnvironmentScope()
    {
        for (const auto& [name, value] : saved) {
            Set(name.c_str(), value);
        }
    }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    static void Set(const char* name, const std::optional<std::string>& value)
    {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST(SettingsLocation, UserConfigHomeFollowsTheXdgRules)
{
    const passwd* me = getpwuid(getuid());
    ASSERT_NE(me, nullptr);
    const std::string passwdHome = me->pw_dir;
    const std::string fromPasswd = passwdHome + (passwdHome == "/" ? "" : "/") + ".config";
    const std::optional<std::string> unset;
    const struct {
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        std::string expected;
    } cases[] = {
        {"/srv/cfg", "/home/a", "/srv/cfg"},
        {"/srv/cfg/", "/home/a", "/srv/cfg"},
        {"/", "/home/a", "/"},
        {"", "/home/a", "/home/a/.config"},           // empty counts as unset
        {"relative/cfg", "/home/a", "/home/a/.config"},  // relative is invalid
        {unset, "/home/a", "/home/a/.config"},
        {unset, "/home/a/", "/home/a/.config"},
        {unset, "/", "/.config"},
        {unset, unset, fromPasswd},
        {unset, "", fromPasswd},
    };
    for (const auto& c : cases) {
        EnvironmentScope env{{"XDG_CONFIG_HOME", c.xdg}, {"HOME", c.home}};
        EXPECT_EQ(UserConfigHome(), c.expected)
            << "XDG_CONFIG_HOME=" << c.xdg.value_or("(unset)") << " HOME=" << c.home.value_or("(unset)");
    }
}

TEST(SettingsLocation, UserFileTakesTheProgramsBaseName)
{
    const struct {
        const char* exe;
        const char* ini;
    } cases[] = {
        {"/usr/bin/vellmor", "/c/vellmor/vellmor.ini"},
        {"/usr/local/bin/my-clock", "/c/vellmor/my-clock.ini"},  // renamed: its own file
        {"/opt/v.1/vellmor.bin", "/c/vellmor/vellmor.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UserIniPathForExecutable(c.exe, "/c"), c.ini) << c.exe;
    }
}

// A program folder "bin" that the test's user cannot write and a home folder
// that it can. Root may write anywhere, so as root the checks run in a child
// process that has become the unprivileged user "nobody".
class ReadOnlyProgramFolder : public ::testing::Test {
protected:
    static constexpr uid_t kNobody = 65534;

    void SetUp() override
    {
        chmod(dir.path.c_str(), 0755);
        ASSERT_EQ(mkdir(bin.c_str(), 0755), 0);
        ASSERT_EQ(mkdir(home.c_str(), 0755), 0);
        if (geteuid() == 0) {
            ASSERT_EQ(chown(home.c_str(), kNobody, kNobody), 0);
        } else {
            ASSERT_EQ(chmod(bin.c_str(), 0555), 0);
        }
    }
    void TearDown() override { chmod(bin.c_str(), 0755); }

    // Runs body as a user who cannot write bin; returns what it returned.
    std::string AsUnprivileged(const std::function<std::string()>& body)
    {
        if (geteuid() != 0) {
            return body();
        }
        int channel[2];
        if (pipe(channel) != 0) {
            return "pipe failed";
        }
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            std::string result = "setuid failed";
            if (setgid(kNobody) == 0 && setuid(kNobody) == 0) {
                result = body();
            }
            const ssize_t written = write(channel[1], result.data(), result.size());
            _exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
        }
        close(channel[1]);
        std::string result;
        char buffer[512];
        for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
            result.append(buffer, static_cast<std::size_t>(n));
        }
        close(channel[0]);
        waitpid(child, nullptr, 0);
        return result;
    }

    std::string Choose(const std::string& configHome)
    {
        return AsUnprivileged([&] { return ChooseIniPath(exe, configHome); });
    }

    // Writes a file into bin, which the test's user may not do as such.
    void PutBesideProgram(const std::string& bytes)
    {
        chmod(bin.c_str(), 0755);
        WriteBytes(beside, bytes);
        if (geteuid() != 0) {
            chmod(bin.c_str(), 0555);
        }
    }

    TempDir dir;
    const std::string bin = dir.File("bin");
    const std::string home = dir.File("home");
    const std::string config = home + "/.config";
    const std::string exe = bin + "/vellmor";
    const std::string beside = bin + "/vellmor.ini";
    const std::string user = config + "/vellmor/vellmor.ini";
};

TEST_F(ReadOnlyProgramFolder, SettingsGoToTheUsersConfigFolderWhichIsCreated)
{
    EXPECT_EQ(Choose(config), user);
    struct stat info {};
    ASSERT_EQ(stat((config + "/vellmor").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(Exists(user)) << "choosing the path must not write settings";
    EXPECT_FALSE(Exists(beside));
}

TEST_F(ReadOnlyProgramFolder, AFileBesideTheProgramIsCopiedOnceAndThenLeftAlone)
{
    const std::string old = "[Location]\r\nTime Difference=8\r\nCity=\x93\xdf\x94\x65\r\n; kept\r\n";
    PutBesideProgram(old);
    EXPECT_EQ(Choose(config), user);
    EXPECT_EQ(ReadBytes(user), old) << "copied byte for byte, hand-made keys included";

    WriteBytes(user, "[Alarm]\nHour=7\n");
    EXPECT_EQ(Choose(config), user);
    EXPECT_EQ(ReadBytes(user), "[Alarm]\nHour=7\n") << "the user's own file wins";
    EXPECT_EQ(ReadBytes(beside), old);
}

TEST_F(ReadOnlyProgramFolder, WithNoUsableConfigFolderTheFileBesideTheProgramIsUsed)
{
    const std::string blocked = home + "/file";
    WriteBytes(blocked, "not a folder");
    for (const std::string& configHome : {std::string(), blocked + "/cfg", blocked}) {
        EXPECT_EQ(Choose(configHome), beside) << "config home '" << configHome << "'";
    }
}

TEST_F(ReadOnlyProgramFolder, SettingsSavedAtExitAreThereAtTheNextStart)
{
    PutBesideProgram("[Location]\nTime Difference=8\n");
    const auto run = [&](int newHour) {
        return AsUnprivileged([&] {
            ClockSettings settings;
            settings.LoadFrom(ChooseIniPath(exe, config));
            const std::string seen = std::to_string(settings.alarmHour) + " " +
                                     std::to_string(settings.timeDifference);
            settings.alarmHour = newHour;
            return settings.Save() ? seen : "save failed";
        });
    };
    EXPECT_EQ(run(5), "12 8");
    EXPECT_EQ(run(6), "5 8");
    EXPECT_EQ(run(7), "6 8");
    EXPECT_EQ(ReadBytes(beside), "[Location]\nTime Difference=8\n");
}

TEST(SettingsLocation, APortableCopyKeepsItsFileBesideItself)
{
    TempDir dir;
    const std::string exe = dir.File("clock");
    const std::string config = dir.File("config");
    EXPECT_EQ(ChooseIniPath(exe, config), dir.File("clock.ini"));

    // A read-only file in a writable folder stays where it is.
    WriteBytes(dir.File("clock.ini"), "[Alarm]\nHour=7\n");
    chmod(dir.File("clock.ini").c_str(), 0444);
    EXPECT_EQ(ChooseIniPath(exe, config), dir.File("clock.ini"));
    EXPECT_FALSE(Exists(config)) << "nothing is created for a portable copy";
}

// The folder beside the program counts as its own only when it belongs to
// the user and nobody else may write it: a copy started from a folder that
// everyone may write keeps its settings in the user's folder, and root's
// installed program never writes beside itself in /usr/bin.
TEST(SettingsLocation, OnlyAFolderOfTheUsersOwnHoldsTheSettingsBesideTheProgram)
{
    TempDir dir;
    chmod(dir.path.c_str(), 0755);
    const std::string config = dir.File("config");
    const std::string user = config + "/vellmor/vellmor.ini";
    const uid_t me = geteuid();
    const gid_t nogroup = 65534;
    const bool privateGroup = [] {
        const passwd* pw = getpwuid(geteuid());
        const group* g = getgrgid(getegid());
        return pw && g && std::string(pw->pw_name) == g->gr_name &&
               (g->gr_mem == nullptr || g->gr_mem[0] == nullptr);
    }();
    const struct {
        const char* folder;
        mode_t mode;
        uid_t owner;
        gid_t group;
        bool own;
    } cases[] = {
        {"mine", 0755, me, getegid(), true},
        {"mine-private", 0700, me, getegid(), true},
        {"everyones", 0777, me, getegid(), false},
        {"sticky-like-tmp", 01777, me, getegid(), false},
        {"group-shared", 0775, me, nogroup, false},
        {"group-private", 0775, me, getegid(), privateGroup},
        {"someone-elses", 0755, me == 0 ? 65534 : me, nogroup, me != 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string folder = dir.File(c.folder);
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        if (chown(folder.c_str(), c.owner, c.group) != 0 && me == 0) {
            FAIL() << "root could not give the folder away";
        }
        ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
        struct stat info {};
        ASSERT_EQ(stat(folder.c_str(), &info), 0);
        if (info.st_gid != c.group) {
            continue;  // not root: the group could not be set
        }
        EXPECT_EQ(ChooseIniPath(folder + "/vellmor", config), c.own ? folder + "/vellmor.ini" : user);
    }
    // The system's own folders.
    for (const std::string exe : {"/tmp/vellmor", "/usr/bin/vellmor", "/usr/local/bin/vellmor"}) {
        EXPECT_EQ(ChooseIniPath(exe, config), user) << exe;
    }
}

}  // namespace
