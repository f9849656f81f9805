#pragma once

#include "TempDir.h"

#include <cstdint>
#include <optional>
#include <string>

// A RIFF WAVE file of silence: 16-bit mono at 8000 Hz (16000 bytes a
// second), ms long. With declaredDataBytes its data chunk (and RIFF header)
// claim that many bytes whatever the file holds: a header that lies.
inline std::string SilentWave(std::int64_t ms, std::optional<std::uint32_t> declaredDataBytes = {})
{
    const auto dataBytes = static_cast<std::uint32_t>(16000 * ms / 1000);
    const std::uint32_t claimed = declaredDataBytes.value_or(dataBytes);
    auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    auto le16 = [](std::uint16_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
    };
    const std::uint32_t riff = claimed > 0xFFFFFFFFu - 36 ? 0xFFFFFFFFu : 36 + claimed;
    return "RIFF" + le32(riff) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
           le32(16000) + le16(2) + le16(16) + "data" + le32(claimed) + std::string(dataBytes, '\0');
}

// Files that are not what they say, in a folder for a player to search: one
// that is no WAV at all under the bell's name (its built-in copy plays
// instead), one too large to be a bell, one a little under the limit, and
// one whose header claims 2 GiB for a tenth of a second of sound.
struct OddSoundStart {
    const char* name;
    bool plays;
};
inline constexpr OddSoundStart kOddSoundStarts[] = {
    {"Gooohn.wav", true},  // the built-in bell
    {"huge.wav", false},
    {"large.wav", true},   // a minute under the limit plays
};
inline void WriteOddSoundFiles(const TempDir& dir)
{
    WriteBytes(dir.File("Gooohn.wav"), "RIFF\x10\0\0\0WAVEnot a wave file");
    WriteBytes(dir.File("huge.wav"), SilentWave(17 * 1024 * 1024 / 16));  // 17 MiB
    WriteBytes(dir.File("large.wav"), SilentWave(60000));                 // 0.9 MiB
    WriteBytes(dir.File("lying.wav"), SilentWave(100, 0x7FFFFFFF));
}
