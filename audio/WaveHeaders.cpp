#include "WaveHeaders.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace {

std::uint32_t ReadLittleEndian32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteLittleEndian32(char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<char>(value >> (8 * i));
    }
}

}  // namespace

std::chrono::milliseconds ClampWaveToBytesPresent(WaveBytes& wave)
{
    if (wave.size() < 12 || wave.size() > std::numeric_limits<std::uint32_t>::max() ||
        std::memcmp(wave.data(), "RIFF", 4) != 0 || std::memcmp(wave.data() + 8, "WAVE", 4) != 0) {
        return std::chrono::milliseconds(0);
    }
    const auto present = static_cast<std::uint32_t>(wave.size());
    // Size fields to cut (where, to what), written only once the file is
    // known to be one that plays.
    std::vector<std::pair<std::size_t, std::uint32_t>> cuts;
    if (ReadLittleEndian32(wave.data() + 4) > present - 8) {
        cuts.emplace_back(4, present - 8);
    }
    std::uint32_t bytesPerSecond = 0;
    std::uint32_t dataBytes = 0;
    for (std::uint64_t at = 12; at + 8 <= present;) {
        const char* chunk = wave.data() + at;
        std::uint32_t size = ReadLittleEndian32(chunk + 4);
        const auto room = static_cast<std::uint32_t>(present - (at + 8));
        if (size > room) {
            size = room;
            cuts.emplace_back(static_cast<std::size_t>(at + 4), size);
        }
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 12) {
            bytesPerSecond = ReadLittleEndian32(chunk + 8 + 8);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            dataBytes = size;
        }
        at += 8 + std::uint64_t{size} + (size & 1);  // chunks are padded to even lengths
    }
    if (bytesPerSecond == 0 || dataBytes == 0) {
        return std::chrono::milliseconds(0);
    }
    for (const auto& [where, size] : cuts) {
        WriteLittleEndian32(wave.data() + where, size);
    }
    return std::chrono::milliseconds(std::uint64_t{dataBytes} * 1000 / bytesPerSecond);
}
