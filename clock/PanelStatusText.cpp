#include "PanelStatusText.h"

#include "ClockTimeText.h"
#include "TokiNames.h"

namespace {

bool IsToki(int k)
{
    return k >= 0 && k < kTokiCount;
}

// The text line's label without its padding blanks: " 暮六つ    （酉） "
// becomes "暮六つ（酉）".
std::string CompactLabel(int k)
{
    std::string label;
    for (const char* c = kPaddedLabels[k]; *c != '\0'; ++c) {
        if (*c != ' ') {
            label += *c;
        }
    }
    return label;
}

}  // namespace

std::string PanelStatusText(int toki, int next, int nextMinute, bool fixedHours)
{
    std::string text;
    if (!IsToki(toki)) {
        text = "-";
    } else {
        text = fixedHours ? std::string(kPlainNames[toki]) : CompactLabel(toki);
    }
    text += " — 次は ";
    text += IsToki(next) ? kPlainNames[next] : "-";
    text += ' ';
    text += ClockTimeText(nextMinute);
    return text;
}
