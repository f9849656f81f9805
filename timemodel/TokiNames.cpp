#include "TokiNames.h"

const char* const kBranchNames[kTokiCount] = {
    "暁九つ (子)", "暁九つ半", "暁八つ (丑)", "暁八つ半", "暁七つ (寅)", "暁七つ半",
    "明六つ (卯)", "明六つ半", "朝五つ (辰)", "朝五つ半", "朝四つ (巳)", "朝四つ半",
    "昼九つ (午)", "昼九つ半", "昼八つ (未)", "昼八つ半", "夕七つ (申)", "夕七つ半",
    "暮六つ (酉)", "暮六つ半", "夜五つ (戌)", "夜五つ半", "夜四つ (亥)", "夜四つ半",
};

const char* const kPlainNames[kTokiCount] = {
    "暁九つ", "暁九つ半", "暁八つ", "暁八つ半", "暁七つ", "暁七つ半",
    "明六つ", "明六つ半", "朝五つ", "朝五つ半", "朝四つ", "朝四つ半",
    "昼九つ", "昼九つ半", "昼八つ", "昼八つ半", "夕七つ", "夕七つ半",
    "暮六つ", "暮六つ半", "夜五つ", "夜五つ半", "夜四つ", "夜四つ半",
};

// Full toki: space, name, four spaces, full-width brackets round the sign, space.
// Half toki: space, name, full-width brackets round "before>after", no trailing space.
const char* const kPaddedLabels[kTokiCount] = {
    " 暁九つ    （子） ", " 暁九つ半（子>丑）", " 暁八つ    （丑） ", " 暁八つ半（丑>寅）",
    " 暁七つ    （寅） ", " 暁七つ半（寅>卯）", " 明六つ    （卯） ", " 明六つ半（卯>辰）",
    " 朝五つ    （辰） ", " 朝五つ半（辰>巳）", " 朝四つ    （巳） ", " 朝四つ半（巳>午）",
    " 昼九つ    （午） ", " 昼九つ半（午>未）", " 昼八つ    （未） ", " 昼八つ半（未>申）",
    " 夕七つ    （申） ", " 夕七つ半（申>酉）", " 暮六つ    （酉） ", " 暮六つ半（酉>戌）",
    " 夜五つ    （戌） ", " 夜五つ半（戌>亥）", " 夜四つ    （亥） ", " 夜四つ半（亥>子）",
};

const char* const kErrorLabel = " -System Error-  ";

const char* PaddedLabelFor(int k)
{
    return (k >= 0 && k < kTokiCount) ? kPaddedLabels[k] : kErrorLabel;
}
