#include "Cp932Codec.h"

#include <windows.h>

namespace {

constexpr UINT kCp932 = 932;
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr char kCp932Replacement = '?';

// The code point of a well-formed UTF-8 character of n bytes.
char32_t DecodeUtf8(std::string_view c, std::size_t n)
{
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = static_cast<unsigned char>(c[0]) & kLeadMask[n];
    for (std::size_t i = 1; i < n; ++i) {
        cp = (cp << 6) | (static_cast<unsigned char>(c[i]) & 0x3F);
    }
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One character's CP932 bytes, or the replacement when the code page has no
// such character (no best-fit look-alikes: "é" is not "e").
void AppendCp932(std::string& out, char32_t cp)
{
    if (cp >= 0x10000) {
        out += kCp932Replacement;  // beyond the code page's reach
        return;
    }
    const wchar_t wide = static_cast<wchar_t>(cp);
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                      sizeof bytes, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) {
        out += kCp932Replacement;
    } else {
        out.append(bytes, static_cast<std::size_t>(n));
    }
}

// The UTF-16 unit of the CP932 character in bytes, or 0 when they are not one.
wchar_t DecodeCp932(const char* bytes, int length)
{
    wchar_t wide = 0;
    const int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes, length, &wide, 1);
    return n == 1 ? wide : 0;
}

// The half-width katakana; the other single bytes above ASCII (0x80, 0xA0,
// 0xFD to 0xFF) are no characters, though Windows maps them to private ones.
bool IsSingleByteKana(unsigned char b)
{
    return b >= 0xA1 && b <= 0xDF;
}

}  // namespace

std::string ConvertUtf8ToCp932(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t n = Utf8CharLength(utf8.substr(pos));
        if (n == 0) {
            out += kCp932Replacement;  // an invalid byte, stepped over alone
            pos += 1;
            continue;
        }
        if (n == 1) {
            out += utf8[pos];
        } else {
            AppendCp932(out, DecodeUtf8(utf8.substr(pos), n));
        }
        pos += n;
    }
    return out;
}

std::string ConvertCp932ToUtf8(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    std::size_t pos = 0;
    while (pos < cp932.size()) {
        const auto b = static_cast<unsigned char>(cp932[pos]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            pos += 1;
            continue;
        }
        // A lead byte whose trail byte is invalid is replaced alone, and the
        // next byte is decoded afresh.
        const int width = IsCp932LeadByte(b) && pos + 1 < cp932.size() ? 2 : 1;
        const bool mayDecode = IsCp932LeadByte(b) || IsSingleByteKana(b);
        const wchar_t wide = mayDecode ? DecodeCp932(cp932.data() + pos, width) : 0;
        if (wide != 0) {
            AppendUtf8(out, wide);
            pos += static_cast<std::size_t>(width);
        } else {
            out += kUtf8Replacement;
            pos += 1;
        }
    }
    return out;
}
