// The decimal scanner shared by the integer rules, and the INI rule on it.
#include "LeadingInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(ScanSignedDecimal, SignDigitsAndWhereTheyEnd)
{
    struct {
        const char* text;
        std::size_t start;
        int value;
        std::size_t end, digits;
        bool overflow;
    } const cases[] = {
        {"", 0, 0, 0, 0, false},
        {"-", 0, 0, 1, 0, false},
        {"+12x", 0, 12, 3, 2, false},
        {"  -7 ", 2, -7, 4, 1, false},
        {"007", 0, 7, 3, 3, false},
        {"2147483647", 0, INT_MAX, 10, 10, false},
        {"-2147483648", 0, INT_MIN, 11, 10, false},
        {"2147483648", 0, INT_MAX, 10, 10, true},
        {"-2147483649", 0, INT_MIN, 11, 10, true},
        {"99999999999999999999", 0, INT_MAX, 20, 20, true},
        {"1 2", 0, 1, 1, 1, false},
        {"12", 5, 0, 5, 0, false},  // a start past the end reads nothing
    };
    for (const auto& c : cases) {
        const DecimalScan scan = ScanSignedDecimal(c.text, c.start);
        EXPECT_EQ(scan.value, c.value) << c.text;
        EXPECT_EQ(scan.end, c.end) << c.text;
        EXPECT_EQ(scan.digits, c.digits) << c.text;
        EXPECT_EQ(scan.overflow, c.overflow) << c.text;
    }
}

TEST(ReadLeadingInt, AsAtoiButSaturating)
{
    struct {
        const char* text;
        int value;
    } const cases[] = {
        {"", 0},          {"abc", 0},        {"+", 0},       {" \t\r\n\v\f42", 42},
        {"-5 apples", -5}, {"12abc", 12},    {"- 5", 0},     {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLeadingInt(c.text), c.value) << c.text;
    }
}

}  // namespace
