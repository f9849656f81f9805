#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text is UTF-8 in memory; the settings file and every byte limit use
// Shift-JIS as Windows code page 932 (CP932). These helpers never throw on bad
// input and never fail: what cannot be converted is replaced.
//
// Replacement rules:
// - UTF-8 -> CP932: an invalid UTF-8 byte, or a character CP932 cannot encode
//   (an emoji, say), becomes one '?' (0x3F). So every input character maps to
//   one or two output bytes.
// - CP932 -> UTF-8: an invalid byte becomes U+FFFD, one per byte skipped. A
//   lead byte whose trail byte is invalid is replaced alone and the next byte
//   is decoded afresh.

// Converts UTF-8 text to CP932 bytes.
std::string Utf8ToCp932(std::string_view utf8);

// Converts CP932 bytes to UTF-8 text.
std::string Cp932ToUtf8(std::string_view cp932);

// The number of bytes the text takes in CP932 (as Utf8ToCp932 would write it).
std::size_t ShiftJisByteLength(std::string_view utf8);

// The longest prefix of a CP932 byte string that has at most maxBytes bytes
// and does not end inside a double-byte character: a character that would
// straddle the cut is dropped whole.
std::string CutCp932(std::string_view cp932, std::size_t maxBytes);

// The longest prefix of a UTF-8 text, cut between characters, whose CP932 form
// has at most maxBytes bytes.
std::string CutUtf8ToShiftJisBytes(std::string_view utf8, std::size_t maxBytes);
