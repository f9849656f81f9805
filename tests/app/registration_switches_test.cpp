#include "RegistrationSwitches.h"

#include <gtest/gtest.h>

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

}  // namespace
