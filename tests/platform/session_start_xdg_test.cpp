// The start with the session on free desktops: the autostart entry in a
// configuration folder of the test's own.
#include "DesktopExec.h"
#include "FileSystem.h"
#include "SessionStart.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

class SessionStartXdg : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        oldConfigHome = old ? old : "";
        hadConfigHome = old != nullptr;
        setenv("XDG_CONFIG_HOME", dir.path.c_str(), 1);
    }
    void TearDown() override
    {
        if (hadConfigHome) {
            setenv("XDG_CONFIG_HOME", oldConfigHome.c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }

    TempDir dir;
    std::string entry = dir.File("autostart/org.vellmor.vellmor.desktop");
    std::string oldConfigHome;
    bool hadConfigHome = false;
};

TEST_F(SessionStartXdg, OnWritesTheEntryOffRemovesItAndHiddenCountsAsOff)
{
    EXPECT_EQ(SessionStartPlace(), entry);
    EXPECT_FALSE(SessionStartsProgram());
    ASSERT_TRUE(SetSessionStartsProgram(true));
    const std::string text = ReadBytes(entry);
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nExec=" + DesktopExecProgram(RunningExecutablePath()) + " --hidden\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(SessionStartsProgram());

    // Another desktop switches it off in place.
    WriteBytes(entry, text + "Hidden=true\n");
    EXPECT_FALSE(SessionStartsProgram());
    WriteBytes(entry, text + "Hidden = false\n");
    EXPECT_TRUE(SessionStartsProgram());
    WriteBytes(entry, text + "[Desktop Action x]\nHidden=true\n");  // not the entry's own
    EXPECT_TRUE(SessionStartsProgram());

    ASSERT_TRUE(SetSessionStartsProgram(false));
    EXPECT_FALSE(PathExists(entry));
    EXPECT_FALSE(SessionStartsProgram());
    EXPECT_TRUE(SetSessionStartsProgram(false)) << "already off";
}

TEST_F(SessionStartXdg, AFolderThatCannotBeMadeFailsWithTheReason)
{
    WriteBytes(dir.File("autostart"), "a file where the folder goes");
    const WriteOutcome outcome = SetSessionStartsProgram(true);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.reason, SystemErrorText(ENOTDIR));
    EXPECT_FALSE(SessionStartsProgram());
}

// As GLib reads it back: the string escapes first, then the quoting.
TEST(DesktopExec, PlainPathsStayBareOthersAreQuotedAndEscapedTwice)
{
    const struct {
        const char* path;
        const char* word;
    } cases[] = {
        {"/usr/bin/vellmor", "/usr/bin/vellmor"},
        {"/home/me/時計/vellmor-1.0_b+c,d:e", "/home/me/時計/vellmor-1.0_b+c,d:e"},
        {"/home/me/My Clock/vellmor", "\"/home/me/My Clock/vellmor\""},
        {"/a/$HOME/`x`", "\"/a/\\\\$HOME/\\\\`x\\\\`\""},
        {"/a/\"q\"", "\"/a/\\\\\"q\\\\\"\""},
        {"/a\\b", "\"/a\\\\\\\\b\""},
        {"/100%/v", "\"/100%%/v\""},
        {"/a\tb", "\"/a\\tb\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DesktopExecProgram(c.path), c.word) << c.path;
    }
}

}  // namespace
