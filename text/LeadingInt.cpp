#include "LeadingInt.h"

#include <climits>

DecimalScan ScanSignedDecimal(std::string_view text, std::size_t start)
{
    DecimalScan scan;
    std::size_t i = start;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // INT_MIN's magnitude is one more than INT_MAX's.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        ++scan.digits;
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;  // stays there for the digits that follow
            scan.overflow = true;
        } else {
            magnitude = magnitude * 10 + digit;
        }
    }
    scan.value = static_cast<int>(negative ? -magnitude : magnitude);
    scan.end = i;
    return scan;
}

int ReadLeadingInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f' || text[i] == '\r')) {
        ++i;
    }
    return ScanSignedDecimal(text, i).value;
}
