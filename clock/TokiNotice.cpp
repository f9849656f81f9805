#include "TokiNotice.h"

#include "ClockTimeText.h"
#include "TokiNames.h"

#include <algorithm>

namespace {

// The label drawn on the clock without its padding: " 暮六つ    （酉） "
// becomes "暮六つ（酉）"; a toki outside 0..23, the error label trimmed.
std::string UnpaddedLabel(TokiIndex toki)
{
    std::string label = PaddedLabelFor(toki);
    if (toki >= 0 && toki < kTokiCount) {
        label.erase(std::remove(label.begin(), label.end(), ' '), label.end());
        return label;
    }
    label.erase(0, label.find_first_not_of(' '));
    label.erase(label.find_last_not_of(' ') + 1);
    return label;
}

}  // namespace

TokiNotice MakeTokiNotice(TokiIndex toki, int clockMinute, TokiIndex next, int nextMinute)
{
    const char* nextName = next >= 0 && next < kTokiCount ? kPlainNames[next] : "?";
    return {UnpaddedLabel(toki), ClockTimeText(clockMinute) + " — 次は " + nextName + " " +
                                     ClockTimeText(nextMinute)};
}
