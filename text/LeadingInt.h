#pragma once

#include <cstddef>
#include <string_view>

// The one scanner of decimal integers, and the INI file's rule on top of it.
// The dialogs' stricter rule (forms/InputRules.h) and the command line's
// whole-text rule use the same scanner.

// What ScanSignedDecimal found.
struct DecimalScan {
    int value = 0;            // saturated at INT_MIN / INT_MAX instead of wrapping
    std::size_t end = 0;      // index after the last digit (after the sign with no digits)
    std::size_t digits = 0;   // decimal digits read
    bool overflow = false;    // the digits lie beyond the 32-bit range: value saturated
};

// From index start of text: an optional + or -, then the decimal digits up to
// the first other character.
DecimalScan ScanSignedDecimal(std::string_view text, std::size_t start = 0);

// The INI leading-integer rule. Reads a signed decimal integer from the
// leading characters of text, as C's atoi does: white space is skipped, then
// an optional sign and the digits up to the first other character. No digits
// reads as 0. Values beyond the 32-bit range saturate at INT_MIN / INT_MAX
// instead of wrapping.
int ReadLeadingInt(std::string_view text);
