#include "ShiftJisInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string k20Bytes = "ああああああああああ";  // ten double-byte characters

TEST(ShiftJisInput, KeepsOrCutsAChangeByItsShiftJisLength)
{
    const struct {
        const char* what;
        std::string before;
        std::string after;
        std::string kept;
        std::size_t caret;
        bool cut;
    } cases[] = {
        {"typing within the limit", "横浜", "横浜a", "横浜a", 3, false},
        {"exactly twenty bytes", "あああああああああ", k20Bytes, k20Bytes, 10, false},
        {"typing at the end of a full edit", k20Bytes, k20Bytes + "a", k20Bytes, 10, true},
        {"typing inside a full edit", k20Bytes, "ああいああああああああ", k20Bytes, 2, true},
        {"paste keeps what fits", "あああああああああ", "あああああああああabc",
         "あああああああああab", 11, true},
        {"a double-byte character does not straddle the limit", "aあああああああああ",
         "aあああああああああい", "aあああああああああ", 10, true},
        {"half-width katakana is one byte each", "ああああああああ", "ああああああああｷｬﾝｾﾙ",
         "ああああああああｷｬﾝｾ", 12, true},
        {"a replaced selection keeps its fitting part", k20Bytes,
         "あああいいいあああああ", "あああいいあああああ", 5, true},
        {"deleting from an over-long text", k20Bytes + "ab", k20Bytes + "a",
         k20Bytes + "a", 11, false},
        {"replacing by something as long", k20Bytes + "ab", k20Bytes + "xy", k20Bytes + "xy", 12,
         false},
        {"typing into an over-long text", k20Bytes + "a", k20Bytes + "ab", k20Bytes + "a", 11,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FittedInput fitted = FitShiftJisInput(c.before, c.after, 20);
        EXPECT_EQ(fitted.text, c.kept);
        EXPECT_EQ(fitted.cut, c.cut);
        if (c.cut) {
            EXPECT_EQ(fitted.caret, c.caret);
        }
    }
}

}  // namespace
