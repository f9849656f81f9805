#pragma once

#include <string_view>

// A moment named as on the command line: a toki in any of its printed forms
// ("暮六つ", "暮六つ (酉)", the clock's padded label) or its index 0..23,
// with an optional offset in minutes, "+N" or "-N": "暮六つ-15", "18-15".
struct TokiExpression {
    enum class Error { None, UnknownName, OffsetOutOfRange };
    Error error = Error::None;
    int toki = 0;    // TokiIndex 0..23
    int offset = 0;  // -kMaxAlarmOffset..kMaxAlarmOffset minutes
};

TokiExpression ParseTokiExpression(std::string_view text);

// The TokiIndex a printed name or a decimal index stands for; -1 for none.
// Blanks around the name do not count.
int TokiIndexOfName(std::string_view name);
