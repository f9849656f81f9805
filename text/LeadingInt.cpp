#include "LeadingInt.h"

#include <climits>

long long AccumulateDigit(long long magnitude, int digit, long long limit)
{
    if (magnitude > (limit - digit) / 10) {
        return limit;
    }
    return magnitude * 10 + digit;
}

int ReadLeadingInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f' || text[i] == '\r')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // INT_MIN's magnitude is one more than INT_MAX's.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = AccumulateDigit(magnitude, text[i] - '0', limit);
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
