#pragma once

#include <string_view>

// Reads a signed decimal integer from the leading characters of text, as C's
// atoi does: white space is skipped, then an optional sign and the digits up
// to the first other character. No digits reads as 0. Values beyond the
// 32-bit range saturate at INT_MIN / INT_MAX instead of wrapping.
int ReadLeadingInt(std::string_view text);

// Adds one decimal digit to a magnitude, saturating at limit (no overflow).
// Shared by the integer readers so that all of them saturate alike.
long long AccumulateDigit(long long magnitude, int digit, long long limit);
