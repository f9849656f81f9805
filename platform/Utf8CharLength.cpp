#include "Cp932Codec.h"

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    const auto b0 = static_cast<unsigned char>(text[0]);
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 < 0x80) {
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        lo = b0 == 0xE0 ? 0xA0 : 0x80;
        hi = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        lo = b0 == 0xF0 ? 0x90 : 0x80;
        hi = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < n) {
        return 0;
    }
    const auto b1 = static_cast<unsigned char>(text[1]);
    if (b1 < lo || b1 > hi) {
        return 0;
    }
    for (std::size_t i = 2; i < n; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            return 0;
        }
    }
    return n;
}
