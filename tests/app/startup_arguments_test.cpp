#include "StartupArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using A = StartupAction;

struct Case {
    std::vector<std::string> args;
    A action;
    std::string file;
    std::string option;
};

TEST(StartupArguments, LinuxConventionsWithTheProgramsOwnSwitches)
{
    const Case cases[] = {
        {{}, A::RunClock, "", ""},
        {{"notes.txt"}, A::RunClock, "notes.txt", ""},
        {{"/home/me/notes.txt"}, A::RunClock, "/home/me/notes.txt", ""},  // "/" starts a path
        {{"a.txt", "b.txt"}, A::RunClock, "a.txt", ""},  // the first file counts
        {{"-"}, A::RunClock, "-", ""},
        {{"--help"}, A::ShowHelp, "", ""},
        {{"--version"}, A::ShowVersion, "", ""},
        {{"notes.txt", "--version", "-x"}, A::ShowVersion, "", ""},  // left to right
        {{"-x"}, A::RejectOption, "", "-x"},
        {{"-x", "--help"}, A::RejectOption, "", "-x"},
        {{"--verbose"}, A::RejectOption, "", "--verbose"},
        {{"-h"}, A::RejectOption, "", "-h"},
        {{"--hidden", "notes.txt"}, A::RunClock, "notes.txt", ""},  // a flag, not refused
        {{"--", "-x"}, A::RunClock, "-x", ""},  // after "--" every argument is a file
        {{"--", "--help"}, A::RunClock, "--help", ""},
        // A registration switch that does not end the line, or ends in
        // blanks, is passed over.
        {{"/RegServer "}, A::RunClock, "", ""},
        {{"-unregserver\t"}, A::RunClock, "", ""},
        {{"/RegServer", "notes.txt"}, A::RunClock, "notes.txt", ""},
        {{"/RegServerX"}, A::RunClock, "/RegServerX", ""},
        {{"-RegServerX"}, A::RejectOption, "", "-RegServerX"},
        {{"-Embedding"}, A::RunServer, "", ""},
        {{"/automation"}, A::RunServer, "", ""},
        {{"-Embedding", "-x"}, A::RejectOption, "", "-x"},
        // The toolkit's options and their values are left to the toolkit.
        {{"--display=:1", "notes.txt"}, A::RunClock, "notes.txt", ""},
        {{"--display", ":1"}, A::RunClock, "", ""},
        {{"--name", "clock", "--class", "Clock", "a"}, A::RunClock, "a", ""},
        {{"--g-fatal-warnings", "a"}, A::RunClock, "a", ""},
        {{"--displayx"}, A::RejectOption, "", "--displayx"},
        {{"--g-fatal-warnings=1"}, A::RejectOption, "", "--g-fatal-warnings=1"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const auto& a : c.args) {
            line += "[" + a + "]";
        }
        const StartupRequest r = ParseStartupArguments(c.args);
        EXPECT_EQ(r.action, c.action) << line;
        EXPECT_EQ(r.file, c.file) << line;
        EXPECT_EQ(r.option, c.option) << line;
    }
}

TEST(StartupArguments, HiddenGoesWithAnyStartOfTheClock)
{
    const struct {
        std::vector<std::string> args;
        A action;
        bool hidden;
    } cases[] = {
        {{"--hidden"}, A::RunClock, true},
        {{"notes.txt", "--hidden"}, A::RunClock, true},
        {{}, A::RunClock, false},
        {{"--", "--hidden"}, A::RunClock, false},  // a file of that name
        {{"--hidden=1"}, A::RejectOption, false},
    };
    for (const auto& c : cases) {
        const StartupRequest r = ParseStartupArguments(c.args);
        EXPECT_EQ(r.action, c.action) << c.args.size();
        EXPECT_EQ(r.hidden, c.hidden) << c.args.size();
    }
}

// The session starts the clock with --hidden: a flag beside the other
// arguments, never an option refused.
TEST(StartupArguments, HiddenIsAFlag)
{
    EXPECT_FALSE(ParseStartupArguments({"notes.txt"}).hidden);
    const StartupRequest r = ParseStartupArguments({"notes.txt", "--hidden"});
    EXPECT_EQ(r.action, A::RunClock);
    EXPECT_EQ(r.file, "notes.txt");
    EXPECT_TRUE(r.hidden);
    EXPECT_TRUE(ParseStartupArguments({"--hidden", "-Embedding"}).hidden);
    EXPECT_EQ(ParseStartupArguments({"--", "--hidden"}).file, "--hidden");
}

TEST(StartupArguments, UsageNamesTheProgramAndItsOptions)
{
    const std::string usage = StartupUsage("clock2");
    EXPECT_EQ(usage.rfind("usage: clock2 [--hidden] [FILE]\n", 0), 0u) << usage;
    EXPECT_NE(usage.find("--help"), std::string::npos);
    EXPECT_NE(usage.find("--version"), std::string::npos);
    EXPECT_NE(usage.find("--hidden"), std::string::npos);
}

}  // namespace
