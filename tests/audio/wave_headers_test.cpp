// The WAV headers a player hands on: what a file claims is held to what it
// holds.
#include "WaveFiles.h"
#include "WaveHeaders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::uint32_t Field(const WaveBytes& wave, std::size_t at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(wave.data() + at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

WaveBytes Bytes(const std::string& text)
{
    return WaveBytes(text.begin(), text.end());
}

constexpr std::size_t kRiffSize = 4;
constexpr std::size_t kDataSize = 40;  // in SilentWave's layout

TEST(WaveHeaders, ClaimsAreHeldToTheBytesPresent)
{
    const struct {
        const char* what;
        std::string file;
        long long ms;
    } cases[] = {
        {"honest", SilentWave(100), 100},
        {"2 GiB claimed for 0.1 s", SilentWave(100, 0x7FFFFFFF), 100},
        {"4 GiB claimed", SilentWave(100, 0xFFFFFFFF), 100},
        {"cut short", SilentWave(200).substr(0, 44 + 1600), 100},
        {"no sound at all", SilentWave(0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WaveBytes wave = Bytes(c.file);
        EXPECT_EQ(ClampWaveToBytesPresent(wave).count(), c.ms);
        EXPECT_EQ(wave.size(), c.file.size()) << "bytes added or taken away";
        EXPECT_EQ(Field(wave, kRiffSize), wave.size() - 8);
        EXPECT_EQ(Field(wave, kDataSize), wave.size() - 44);
    }
}

TEST(WaveHeaders, WhatIsNoWaveIsLeftAsItIs)
{
    for (const std::string& file :
         {std::string("RIFF\x10\0\0\0WAVEnot a wave", 20), std::string("RIFF"),
          std::string("OggS and so on, another format"), std::string()}) {
        WaveBytes wave = Bytes(file);
        EXPECT_EQ(ClampWaveToBytesPresent(wave).count(), 0) << file;
        EXPECT_EQ(wave, Bytes(file));
    }
}

}  // namespace
