#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversion between UTF-8 and Windows code page 932 with the system's own
// converter: iconv on POSIX systems (Cp932CodecIconv.cpp), the code page
// functions on Windows (Cp932CodecWin32.cpp). Never fails: what cannot be
// converted is replaced as text/ShiftJis.h describes ('?' toward CP932, one
// U+FFFD per skipped byte toward UTF-8).
std::string ConvertUtf8ToCp932(std::string_view utf8);
std::string ConvertCp932ToUtf8(std::string_view cp932);

// True when the byte starts a double-byte CP932 character (0x81-0x9F,
// 0xE0-0xFC).
inline bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the well-formed UTF-8 character at the start of text, or 0 when
// the bytes there are not one (overlong forms and surrogates included).
std::size_t Utf8CharLength(std::string_view text);
