#include "RunProgram.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

ProgramRun RunToki(const std::string& args)
{
    char errTemplate[] = "/tmp/vellmor-toki-err-XXXXXX";
    const int fd = mkstemp(errTemplate);
    close(fd);
    const std::string command =
        std::string(VELLMOR_TOKI_PATH) + " " + args + " 2>" + errTemplate;
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errTemplate);
    std::stringstream ss;
    ss << err.rdbuf();
    run.err = ss.str();
    std::remove(errTemplate);
    return run;
}

namespace {

TEST(TokiCli, JsonHasTheTableAndTheCurrentToki)
{
    const ProgramRun run = RunToki("--date 2006-01-01 --at 06:14 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string& j = run.out;
    for (const char* key : {"\"date\": \"2006-01-01\"", "\"latitude\": [35, 27]",
                            "\"longitude\": [139, 39]", "\"timeDifference\": 9",
                            "{\"index\": 0, \"minute\": -15, \"time\": \"23:45\", \"name\": \"暁九つ (子)\"}",
                            "{\"index\": 24, \"minute\": 1425, \"time\": \"23:45\", \"name\": \"暁九つ (子)\"}",
                            "\"sunrise\": {\"minute\": 410, \"time\": \"06:50\"}",
                            "\"sunset\": {\"minute\": 999, \"time\": \"16:39\"}",
                            "\"transit\": {\"minute\": 705, \"time\": \"11:45\"}",
                            "\"dawn\": {\"minute\": 375, \"time\": \"06:15\"}",
                            "\"dusk\": {\"minute\": 1035, \"time\": \"17:15\"}",
                            "\"current\": {\"at\": \"06:14\", \"index\": 6, \"name\": \"明六つ (卯)\", \"nextBoundary\": 7}"}) {
        EXPECT_NE(j.find(key), std::string::npos) << key << "\n" << j;
    }
}

TEST(TokiCli, PlainNamesAndNoCurrentWithoutAt)
{
    const ProgramRun run = RunToki("--date 2006-12-31 --lat 26:13 --lon 127:40 --plain --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"index\": 0, \"minute\": 32, \"time\": \"00:32\", \"name\": \"暁九つ\"}"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"transit\": {\"minute\": 752, \"time\": \"12:32\"}"), std::string::npos);
    EXPECT_EQ(run.out.find("\"current\""), std::string::npos);
    EXPECT_EQ(run.out.find("(子)"), std::string::npos);
}

TEST(TokiCli, ReadableTableNamesTheCurrentToki)
{
    const ProgramRun run = RunToki("--date 2006-06-21 --at 12:00");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("15  昼八つ半      15:40    940"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("at 12:00: toki 12 昼九つ (午), next boundary 13 at 13:02"),
              std::string::npos)
        << run.out;
}

TEST(TokiCli, BadInputExitsTwoWithOneLineNamingTheArgument)
{
    struct {
        const char* args;
        const char* named;
    } const cases[] = {
        {"--frobnicate", "--frobnicate"},
        {"--date 2006-02-30", "2006-02-30"},
        {"--date 2006-1-1", "2006-1-1"},
        {"--date", "--date"},
        {"--lat 35", "35"},
        {"--lat 35:x", "35:x"},
        {"--lon 139:60", "139:60"},
        {"--lat 91:00", "91:00"},
        // Past the pole, or past the date line: beyond 90°00′ and 180°00′.
        {"--lat 90:59", "90:59"},
        {"--lat -90:01", "-90:01"},
        {"--lon 180:59", "180:59"},
        {"--lon -180:01", "-180:01"},
        {"--at 24:00", "24:00"},
        {"--at 6:14", "6:14"},
        {"--tz 15", "15"},
        {"--tz -13", "-13"},
        {"--tz nine", "nine"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunToki(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.args << ": " << run.err;
    }
}

TEST(TokiCli, AcceptsTheEdgesOfItsRanges)
{
    for (const char* args : {"--tz -12", "--tz 14", "--date 2000-02-29", "--lat -90:00",
                             "--lat 90:00", "--lon -180:00", "--lon 180:00", "--at 00:00",
                             "--at 23:59"}) {
        EXPECT_EQ(RunToki(args).status, 0) << args;
    }
}

}  // namespace
