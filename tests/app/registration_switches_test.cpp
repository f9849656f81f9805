#include "RegistrationSwitches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RegistrationSwitches, OnlyASwitchThatEndsTheLineCounts)
{
    using R = RegistrationRequest;
    struct {
        const char* line;
        R expected;
    } const cases[] = {
        {"/usr/bin/vellmor", R::None},
        {"/usr/bin/vellmor /RegServer", R::Register},
        {"/usr/bin/vellmor -regserver", R::Register},
        {"/usr/bin/vellmor -REGSERVER", R::Register},
        {"/usr/bin/vellmor /UnregServer", R::Unregister},
        {"/usr/bin/vellmor -uNrEgSeRvEr", R::Unregister},
        {"/usr/bin/vellmor /RegServer ", R::None},  // a trailing blank spoils it
        {"/usr/bin/vellmor /RegServer x", R::None},
        {"/opt/my-clock/vellmor /RegServer", R::Register},  // hyphen in the path
        {"/opt/my-clock/vellmor", R::None},
        {"vellmor RegServer", R::None},
        {"vellmor --RegServer", R::Register},  // the second "-" starts the switch
        {"vellmor /Reg", R::None},
        {"", R::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindRegistrationSwitch(c.line), c.expected) << '"' << c.line << '"';
    }
}

// Where the system hands the arguments over one by one (POSIX), only a whole
// last argument is a switch: a file whose name ends so is a file.
TEST(RegistrationSwitches, AsArgumentsOnlyAWholeLastArgumentCounts)
{
    using R = RegistrationRequest;
    struct {
        std::vector<std::string> args;
        R expected;
    } const cases[] = {
        {{"/RegServer"}, R::Register},
        {{"-regserver"}, R::Register},
        {{"-REGSERVER"}, R::Register},
        {{"/UnregServer"}, R::Unregister},
        {{"-uNrEgSeRvEr"}, R::Unregister},
        {{"notes.txt", "/RegServer"}, R::Register},
        {{"/tmp/regserver"}, R::None},
        {{"/home/a/unregserver"}, R::None},
        {{"./-RegServer"}, R::None},
        {{"--RegServer"}, R::None},
        {{"/RegServer "}, R::None},
        {{"/RegServer", "x"}, R::None},
        {{"RegServer"}, R::None},
        {{}, R::None},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& arg : c.args) {
            shown += "[" + arg + "]";
        }
        EXPECT_EQ(FindRegistrationArgument(c.args), c.expected) << shown;
    }
}

}  // namespace
