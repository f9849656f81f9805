// vellmor-toki's traditional calendar: the day's additions, --terms and the
// shape of --ics (its parse: ics_parse_test.py).
#include "RunProgram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

TEST(TokiCliCalendar, TheDaysJsonEndsWithItsTraditionalCalendar)
{
    const ProgramRun run = RunToki("--date 2024-12-21 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    // The last table member keeps its line, now with a comma after it.
    const std::string tail =
        "  \"dusk\": {\"minute\": 1028, \"time\": \"17:08\"},\n"
        "  \"lunar\": {\"year\": 2024, \"month\": 11, \"leap\": false, \"day\": 21},\n"
        "  \"term\": {\"name\": \"冬至\", \"since\": \"2024-12-21T18:20+09:00\"},\n"
        "  \"ko\": \"乃東生\",\n"
        "  \"zassetsu\": [],\n"
        "  \"moon_age\": 19.9\n"
        "}\n";
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);

    const ProgramRun leap = RunToki("--date 2024-05-01 --tz 9 --at 12:00 --json");
    EXPECT_NE(leap.out.find("\"nextBoundary\": 13},\n  \"lunar\": {\"year\": 2024, \"month\": 3, "
                            "\"leap\": false, \"day\": 23}"),
              std::string::npos)
        << leap.out;
    EXPECT_NE(leap.out.find("\"zassetsu\": [\"八十八夜\", \"土用の丑\"]"), std::string::npos);

    // Outside 1900-2100 the members are there, without values.
    const ProgramRun early = RunToki("--date 1899-12-31 --json");
    EXPECT_NE(early.out.find("\"lunar\": null,\n  \"term\": null,\n  \"ko\": null,\n"
                             "  \"zassetsu\": null,\n  \"moon_age\": null\n}\n"),
              std::string::npos)
        << early.out;
}

TEST(TokiCliCalendar, TheDaysTableGainsABlockAfterItsLastLine)
{
    const ProgramRun run = RunToki("--date 2025-07-25 --at 12:00");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string block =
        "next boundary 13 at 13:04\n"
        "\n"
        "lunar    (旧暦)  2025年閏6月1日\n"
        "term     (節気)  大暑, since 2025-07-22 22:29\n"
        "ko       (候)    桐始結花, since 2025-07-22 22:29\n"
        "zassetsu (雑節)  -\n"
        "moon age (月齢)  0.3 at noon\n";
    ASSERT_GE(run.out.size(), block.size());
    EXPECT_EQ(run.out.substr(run.out.size() - block.size()), block) << run.out;
    // None before 1900: the table ends as it always has.
    const ProgramRun early = RunToki("--date 1899-12-31");
    const std::string lastLine = "\ndusk    (暮六つ)  17:14   1034\n";
    EXPECT_EQ(early.out.substr(early.out.size() - lastLine.size()), lastLine);
}

TEST(TokiCliCalendar, TermsListTheYearInThePlacesTime)
{
    const ProgramRun json = RunToki("--terms 2024 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\n  \"year\": 2024,\n  \"terms\": [\n    {\"name\": \"小寒\", "
                             "\"longitude\": 285, \"time\": \"2024-01-06T05:49+09:00\"},\n",
                             0),
              0u)
        << json.out;
    EXPECT_NE(json.out.find("{\"name\": \"冬至\", \"longitude\": 270, \"time\": "
                            "\"2024-12-21T18:20+09:00\"}\n  ],\n  \"new_moons\": "
                            "[\"2024-01-11T20:57+09:00\", "),
              std::string::npos);
    EXPECT_EQ(Count(json.out, "\"longitude\""), 24u);
    EXPECT_NE(json.out.find("\"full_moons\": [\"2024-01-26T02:53+09:00\", "), std::string::npos);
    // 13 new moons: the 31st of December has one.
    EXPECT_EQ(Count(json.out, "+09:00\""), 24u + 13u + 12u);

    // In New York's winter time the same instants, five hours behind UT;
    // the year's list follows the place's dates.
    const ProgramRun west = RunToki("--terms 2024 --tz -5");
    ASSERT_EQ(west.status, 0) << west.err;
    EXPECT_EQ(west.out.rfind("節気, 朔 and 望 of 2024, UT-5\n\n", 0), 0u) << west.out;
    EXPECT_NE(west.out.find("2024-01-05 15:49  小寒  285°\n"), std::string::npos) << west.out;
    EXPECT_NE(west.out.find("2024-12-21 04:20  冬至  270°\n"), std::string::npos);
    EXPECT_NE(west.out.find("2024-01-11 06:57  朔\n"), std::string::npos);
}

TEST(TokiCliCalendar, IcsHasCrLfLinesAndOneEventPerInstantAndDay)
{
    const ProgramRun run = RunToki("--ics 2024-12-01 2024-12-31 --toki");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
    EXPECT_EQ(Count(run.out, "\n"), Count(run.out, "\r\n"));
    // 大雪 and 冬至, 朔 on the 1st and the 31st, 望 on the 15th; no 雑節;
    // 明六つ and 暮六つ on 31 days.
    EXPECT_EQ(Count(run.out, "BEGIN:VEVENT"), 2u + 3u + 62u);
    EXPECT_EQ(Count(run.out, "SUMMARY:朔\r\n"), 2u);
    EXPECT_EQ(Count(run.out, "SUMMARY:明六つ\r\n"), 31u);
    EXPECT_NE(run.out.find("DTSTART:20241221T092000Z\r\nSUMMARY:冬至\r\n"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 15), "END:VCALENDAR\r\n");

    const ProgramRun plain = RunToki("--ics 2024-05-01 2024-05-01");
    EXPECT_EQ(Count(plain.out, "BEGIN:VEVENT"), 2u);  // 八十八夜, 土用の丑
    EXPECT_NE(plain.out.find("DTSTART;VALUE=DATE:20240501\r\nDTEND;VALUE=DATE:20240502\r\n"
                             "SUMMARY:八十八夜\r\n"),
              std::string::npos)
        << plain.out;
}

TEST(TokiCliCalendar, BadCalendarInputExitsTwoWithOneLine)
{
    struct {
        const char* args;
        const char* named;
    } const cases[] = {
        {"--terms 1899", "1899"},
        {"--terms 2101", "2101"},
        {"--terms twenty", "twenty"},
        {"--terms", "--terms"},
        {"--ics 2024-01-01", "--ics"},
        {"--ics 2024-02-01 2024-01-31", "TO comes before FROM"},
        {"--ics 1899-12-31 2024-01-01", "1899-12-31"},
        {"--ics 2024-01-01 2101-01-01", "2101-01-01"},
        {"--ics 2024-02-30 2024-03-01", "2024-02-30"},
        {"--toki", "--toki"},
        {"--terms 2024 --ics 2024-01-01 2024-01-02", "choose one"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunToki(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.args << ": " << run.err;
    }
}

}  // namespace
