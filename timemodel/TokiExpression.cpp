#include "TokiExpression.h"

#include "TokiAlarmTime.h"
#include "TokiNames.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// Digits only, at most two: "6", "06", "18".
int IndexOfDigits(std::string_view s)
{
    if (s.empty() || s.size() > 2) {
        return -1;
    }
    int value = 0;
    for (char c : s) {
        if (!IsDigit(c)) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value < kTokiCount ? value : -1;
}

}  // namespace

int TokiIndexOfName(std::string_view name)
{
    name = TrimBlanks(name);
    if (name.empty()) {
        return -1;
    }
    for (int k = 0; k < kTokiCount; ++k) {
        if (name == kPlainNames[k] || name == kBranchNames[k] ||
            name == TrimBlanks(kPaddedLabels[k])) {
            return k;
        }
    }
    return IndexOfDigits(name);
}

TokiExpression ParseTokiExpression(std::string_view text)
{
    TokiExpression result;
    text = TrimBlanks(text);
    // The offset is the last sign followed by digits up to the end; no name
    // holds "+" or "-".
    std::string_view name = text;
    long long offset = 0;
    std::size_t digitsStart = text.size();
    while (digitsStart > 0 && IsDigit(text[digitsStart - 1])) {
        --digitsStart;
    }
    if (digitsStart > 0 && digitsStart < text.size() &&
        (text[digitsStart - 1] == '+' || text[digitsStart - 1] == '-')) {
        for (std::size_t i = digitsStart; i < text.size(); ++i) {
            offset = offset * 10 + (text[i] - '0');
            if (offset > kMaxAlarmOffset) {
                offset = kMaxAlarmOffset + 1;  // out of range however long it goes on
            }
        }
        if (text[digitsStart - 1] == '-') {
            offset = -offset;
        }
        name = text.substr(0, digitsStart - 1);
    }
    result.toki = TokiIndexOfName(name);
    if (result.toki < 0) {
        result.error = TokiExpression::Error::UnknownName;
        return result;
    }
    if (offset < -kMaxAlarmOffset || offset > kMaxAlarmOffset) {
        result.error = TokiExpression::Error::OffsetOutOfRange;
        return result;
    }
    result.offset = static_cast<int>(offset);
    return result;
}
