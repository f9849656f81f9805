// vellmor-toki --when: the clock time of a toki moved by minutes, found as
// the clock's toki alarms find it.
#include "RunProgram.h"

#include <gtest/gtest.h>

namespace {

// Yokohama 2006-01-01: 暁九つ -15 (23:45 the day before), 明六つ 375, 暮六つ
// 1035; 2006-06-21: 暮六つ 1178; 2006-12-31: 暮六つ 1034. Naha 2006-01-01:
// 暮六つ 1100.
TEST(TokiCliWhen, PrintsTheClockTimeOfTheMoment)
{
    const struct {
        const char* args;
        const char* out;
    } cases[] = {
        {"--date 2006-01-01 --when 暮六つ-15", "17:00\n"},
        {"--date 2006-01-01 --when 18-15", "17:00\n"},
        {"--date 2006-01-01 --when '暮六つ (酉)-15'", "17:00\n"},
        {"--date 2006-01-01 --when ' 暮六つ    （酉） +15'", "17:30\n"},
        {"--date 2006-01-01 --when 明六つ", "06:15\n"},
        {"--date 2006-06-21 --when 暮六つ-15", "19:23\n"},
        {"--city 那覇 --date 2006-01-01 --when 暮六つ-15", "18:05\n"},
        {"--date 2006-01-01 --when 暮六つ-15 --json", "{\"when\": \"17:00\", \"date\": \"2006-01-01\"}\n"},
        // A moment on the day before or after belongs to that day.
        {"--date 2006-01-02 --when 明六つ-720 --json",
         "{\"when\": \"18:15\", \"date\": \"2006-01-01\"}\n"},
        {"--date 2006-01-01 --when 0 --json", "{\"when\": \"23:45\", \"date\": \"2005-12-31\"}\n"},
        {"--date 2006-12-31 --when 暮六つ+720 --json",
         "{\"when\": \"05:14\", \"date\": \"2007-01-01\"}\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunToki(c.args);
        EXPECT_EQ(run.status, 0) << c.args << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << c.args;
        EXPECT_EQ(run.err, "") << c.args;
    }
}

TEST(TokiCliWhen, AnUnknownNameOrAnOffsetOutOfRangeExits2WithOneLine)
{
    for (const char* args : {"--when 暮七つ", "--when 24", "--when 暮六つ-721", "--when 18+9999",
                             "--when '' --json", "--when"}) {
        const ProgramRun run = RunToki(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        ASSERT_FALSE(run.err.empty()) << args;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << args << ": " << run.err;
    }
    EXPECT_NE(RunToki("--when 暮六つ-721").err.find("-720..+720"), std::string::npos);
    EXPECT_NE(RunToki("--when 暮七つ").err.find("unknown toki"), std::string::npos);
}

}  // namespace
