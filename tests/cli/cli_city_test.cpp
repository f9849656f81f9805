#include "CityTable.h"
#include "RunProgram.h"
#include "TokiTableCli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct InProcessRun {
    int status;
    std::string out;
    std::string err;
};

InProcessRun RunInProcess(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTokiCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(TokiCliCity, CityGivesTheSameTableAsItsCoordinatesAndTimeDifference)
{
    const InProcessRun byCity = RunInProcess({"--date", "2006-06-21", "--city", "那覇", "--json"});
    const InProcessRun byHand = RunInProcess(
        {"--date", "2006-06-21", "--lat", "26:13", "--lon", "127:40", "--tz", "9", "--json"});
    ASSERT_EQ(byCity.status, 0) << byCity.err;
    EXPECT_EQ(byCity.out, byHand.out);
    EXPECT_NE(byCity.out.find("\"latitude\": [26, 13]"), std::string::npos);
    EXPECT_NE(byCity.out.find("\"longitude\": [127, 40]"), std::string::npos);
}

TEST(TokiCliCity, OptionsAfterTheCityOverrideItAndOptionsBeforeDoNot)
{
    const InProcessRun later = RunInProcess({"--date", "2006-06-21", "--city", "札幌", "--tz", "8", "--json"});
    ASSERT_EQ(later.status, 0) << later.err;
    EXPECT_NE(later.out.find("\"latitude\": [43, 4]"), std::string::npos) << later.out;
    EXPECT_NE(later.out.find("\"timeDifference\": 8"), std::string::npos) << later.out;

    const InProcessRun earlier = RunInProcess({"--date", "2006-06-21", "--tz", "8", "--city", "札幌", "--json"});
    ASSERT_EQ(earlier.status, 0) << earlier.err;
    EXPECT_NE(earlier.out.find("\"timeDifference\": 9"), std::string::npos) << earlier.out;
}

TEST(TokiCliCity, UnknownCityIsOneLineOnStderrAndStatusTwo)
{
    // A prefix, a longer name, a row's full text and an ASCII name must all miss.
    for (const char* name : {"Foo", "横", "横浜市", "那覇\t+26:13\t+127:40\t+09"}) {
        SCOPED_TRACE(name);
        const ProgramRun run = RunToki(std::string("--city '") + name + "'");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
    }
    const InProcessRun empty = RunInProcess({"--city", ""});
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("--city"), std::string::npos);

    const ProgramRun missing = RunToki("--city");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("--city"), std::string::npos);
}

TEST(TokiCliCity, CitiesListsTheTableInOrderOneRowPerLine)
{
    const ProgramRun run = RunToki("--cities");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string expected;
    for (CityEntry row : kCityTable) {
        expected += std::string(row) + "\n";
    }
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "根室\t+43:20\t+145:35\t+09");
}

}  // namespace
