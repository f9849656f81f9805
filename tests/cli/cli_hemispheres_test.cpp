// vellmor-toki south of the equator and west of Greenwich: a leading minus
// makes the whole angle negative, and the tables agree with those of the
// places mirrored across the equator or the meridian.
#include "ClockSource.h"
#include "RunProgram.h"
#include "TokiCalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The 25 boundary minutes of a --json run.
std::vector<int> Boundaries(const std::string& args)
{
    const ProgramRun run = RunToki(args + " --json");
    EXPECT_EQ(run.status, 0) << args << ": " << run.err;
    std::vector<int> minutes;
    const std::string key = "\"minute\": ";
    for (auto at = run.out.find("{\"index\": "); at != std::string::npos;
         at = run.out.find("{\"index\": ", at + 1)) {
        minutes.push_back(std::atoi(run.out.c_str() + run.out.find(key, at) + key.size()));
    }
    EXPECT_EQ(minutes.size(), 25u) << args;
    return minutes;
}

// The table as offsets from the solar transit (entry 12): what is left when
// the equation of time and the distance from the zone's meridian are taken
// out.
std::vector<int> FromTransit(std::vector<int> table)
{
    const int transit = table.at(12);
    for (int& m : table) {
        m -= transit;
    }
    return table;
}

TEST(TokiCliHemispheres, TheSignIsOnEveryNonZeroPartAndTheHeaderNamesTheSide)
{
    struct {
        const char* args;
        const char* latitude;
        const char* longitude;
        const char* header;
    } const cases[] = {
        {"--lat -35:27", "[-35, -27]", "[139, 39]", "35°27'S 139°39'E"},
        {"--lon -0:07 --tz 0", "[35, 27]", "[0, -7]", "35°27'N 0°07'W"},
        {"--lat -0:30 --lon -122:25 --tz -8", "[0, -30]", "[-122, -25]", "0°30'S 122°25'W"},
        {"--lat -35:00 --lon +139:39", "[-35, 0]", "[139, 39]", "35°00'S 139°39'E"},
        {"--lat 0:00 --lon -0:00", "[0, 0]", "[0, 0]", "0°00'N 0°00'E"},
    };
    for (const auto& c : cases) {
        const std::string args = std::string("--date 2006-01-01 ") + c.args;
        const ProgramRun json = RunToki(args + " --json");
        ASSERT_EQ(json.status, 0) << c.args << ": " << json.err;
        EXPECT_NE(json.out.find(std::string("\"latitude\": ") + c.latitude), std::string::npos)
            << c.args << "\n" << json.out;
        EXPECT_NE(json.out.find(std::string("\"longitude\": ") + c.longitude), std::string::npos)
            << c.args << "\n" << json.out;
        const ProgramRun table = RunToki(args);
        EXPECT_NE(table.out.find(std::string(" at ") + c.header + ","), std::string::npos)
            << c.args << "\n" << table.out.substr(0, table.out.find('\n'));
    }
}

// -0:MM has no negative degrees to carry its sign: the table is the one the
// time model computes for minutes of the other sign.
TEST(TokiCliHemispheres, MinusZeroDegreesIsWestAndSouth)
{
    struct {
        const char* args;
        int latD, latM, lonD, lonM, tz;
    } const cases[] = {
        {"--lon -0:07 --tz 0", 35, 27, 0, -7, 0},
        {"--lat -0:45 --lon 139:39", 0, -45, 139, 39, 9},
    };
    for (const auto& c : cases) {
        TokiCalendar model(std::make_shared<ManualClockSource>(LocalTime{2006, 1, 1, 0, 0, 0}));
        model.SetLocation(c.latD, c.latM, c.lonD, c.lonM, c.tz);
        std::vector<int> expected;
        for (int i = 0; i < TokiCalendar::kBoundaryCount; ++i) {
            expected.push_back(model.GetBoundary(i));
        }
        EXPECT_EQ(Boundaries(std::string("--date 2006-01-01 ") + c.args), expected) << c.args;
    }
}

// At a solstice the south's day is the north's night: a southern place on
// one solstice has, counted from its transit, the table of the northern place
// of the same latitude on the other solstice.
TEST(TokiCliHemispheres, SouthernPlaceMatchesItsNorthernMirrorHalfAYearAway)
{
    struct {
        const char* south;
        const char* southDate;
        const char* north;
        const char* northDate;
    } const cases[] = {
        {"-35:27", "2006-06-21", "35:27", "2006-12-21"},
        {"-33:52", "2006-12-21", "33:52", "2006-06-21"},
    };
    for (const auto& c : cases) {
        const auto south = FromTransit(Boundaries(std::string("--lat ") + c.south + " --date " + c.southDate));
        const auto north = FromTransit(Boundaries(std::string("--lat ") + c.north + " --date " + c.northDate));
        ASSERT_EQ(south.size(), north.size());
        for (std::size_t i = 0; i < south.size(); ++i) {
            EXPECT_NEAR(south[i], north[i], 1) << c.south << " entry " << i;
        }
    }
}

// West of its zone's meridian by as much as the eastern mirror is east of
// its own: the western table is late by as many minutes as the eastern one
// is early, each against a place on its zone's meridian.
TEST(TokiCliHemispheres, WesternPlaceMatchesItsEasternMirror)
{
    const std::string day = "--date 2006-01-01 --lat 21:18 ";
    const auto west = Boundaries(day + "--lon -157:51 --tz -10");
    const auto westMeridian = Boundaries(day + "--lon -150:00 --tz -10");
    const auto east = Boundaries(day + "--lon 157:51 --tz 10");
    const auto eastMeridian = Boundaries(day + "--lon 150:00 --tz 10");
    for (std::size_t i = 0; i < west.size(); ++i) {
        const int late = west[i] - westMeridian[i];
        const int early = eastMeridian[i] - east[i];
        EXPECT_NEAR(late, 31, 2) << "entry " << i;  // 7 deg 51 min at 4 min a degree
        EXPECT_NEAR(late, early, 2) << "entry " << i;
    }
}

TEST(TokiCliHemispheres, AtReportsTheTokiOfTheNextMinute)
{
    // 明六つ begins at 06:15 on this date.
    struct {
        const char* at;
        const char* reported;
    } const cases[] = {
        {"06:13", "at 06:13: toki 5 暁七つ半, next boundary 6 at 06:15"},
        {"06:14", "at 06:14: toki 6 明六つ (卯), next boundary 7 at 07:10"},
        {"06:15", "at 06:15: toki 6 明六つ (卯), next boundary 7 at 07:10"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunToki(std::string("--date 2006-01-01 --at ") + c.at);
        EXPECT_NE(run.out.find(c.reported), std::string::npos) << c.at << "\n" << run.out;
    }
    const ProgramRun help = RunToki("--help");
    EXPECT_NE(help.out.find("toki of the next minute"), std::string::npos) << help.out;
}

}  // namespace
