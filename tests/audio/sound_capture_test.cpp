// What the player hands the device, sample for sample: each built-in sound
// played once, and the alarm looping, recorded by SDL's disk driver and
// compared with the recording that the SDL2_mixer player made of the same
// sounds (its length and FNV-1a digest, taken once from that player's build).
// The recording holds the device's format: 44100 Hz, two channels of
// 16-bit samples. The mono sounds reach it through SDL's own converter,
// which passes each sample x through floating point: both channels get
// x * 32767 / 32768 rounded to the nearest integer.
#include "SoundPlayer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kFrameBytes = 4;                  // two 16-bit channels
constexpr std::size_t kDeviceBufferBytes = 4096 * kFrameBytes;

std::vector<char> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsSilentFrame(const std::vector<char>& pcm, std::size_t frame)
{
    for (std::size_t i = 0; i < kFrameBytes; ++i) {
        if (pcm[frame * kFrameBytes + i] != 0) {
            return false;
        }
    }
    return true;
}

std::optional<std::size_t> FirstSoundingFrame(const std::vector<char>& pcm)
{
    for (std::size_t f = 0; f < pcm.size() / kFrameBytes; ++f) {
        if (!IsSilentFrame(pcm, f)) {
            return f;
        }
    }
    return std::nullopt;
}

std::uint64_t Fnv1a(const char* bytes, std::size_t size)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 0x100000001b3u;
    }
    return hash;
}

// The sound in a recording: its frames from the first one that is not
// silent, either up to the last one that is not (a sound played once) or a
// given number of them (a loop).
struct Heard {
    std::size_t frames = 0;
    std::uint64_t digest = 0;
};
Heard SoundIn(const std::vector<char>& pcm, std::optional<std::size_t> frames = std::nullopt)
{
    const auto first = FirstSoundingFrame(pcm);
    if (!first) {
        return {};
    }
    std::size_t end = pcm.size() / kFrameBytes;
    if (frames) {
        end = std::min(end, *first + *frames);
    } else {
        while (end > *first && IsSilentFrame(pcm, end - 1)) {
            --end;
        }
    }
    const std::size_t count = end - *first;
    return {count, Fnv1a(pcm.data() + *first * kFrameBytes, count * kFrameBytes)};
}

template <typename Done>
bool WaitFor(Done done, std::chrono::seconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class SoundCaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
        // Milliseconds between the driver's writes of one buffer (93 ms of
        // sound): ten times real pace, same samples.
        setenv("SDL_DISKAUDIODELAY", "9", 1);
    }
    void TearDown() override
    {
        unsetenv("SDL_DISKAUDIODELAY");
        std::remove(path.c_str());
    }

    // Whether the driver has written at least bytes more than it had at
    // the call (the buffer that held a sound's end is then in the file).
    auto GrownBy(std::size_t bytes)
    {
        return [this, target = ReadAll(path).size() + bytes] { return ReadAll(path).size() >= target; };
    }

    std::string path = "/tmp/vellmor-capture-test-" + std::to_string(getpid()) + ".raw";
};

TEST_F(SoundCaptureTest, EachBuiltInSoundPlayedOnceIsTheSameSampleForSample)
{
    struct Case {
        const char* name;
        Heard reference;
    };
    const Case cases[] = {
        {"Gooohn.wav", {232630, 0xcc45dc48732473d1u}},
        {"pipi.wav", {10141, 0xc1d0d6bce0e9299du}},
    };
    for (const Case& c : cases) {
        {
            SoundPlayer player;
            player.SetSearchFolders({});
            ASSERT_TRUE(player.IsOpen()) << c.name;
            player.PlayYielding(c.name);
            ASSERT_TRUE(WaitFor([&] { return !player.IsPlaying(); }, std::chrono::seconds(30))) << c.name;
            ASSERT_TRUE(WaitFor(GrownBy(2 * kDeviceBufferBytes), std::chrono::seconds(10))) << c.name;
        }  // the device closes: the recording is complete
        const Heard heard = SoundIn(ReadAll(path));
        EXPECT_EQ(heard.frames, c.reference.frames) << c.name;
        EXPECT_EQ(heard.digest, c.reference.digest)
            << c.name << ": digest 0x" << std::hex << heard.digest;
    }
}

TEST_F(SoundCaptureTest, TheLoopingAlarmRunsOnSampleForSampleAcrossItsEnds)
{
    // Two and a half turns of the one-second alarm: both seams are inside.
    constexpr std::size_t kFrames = 110250;
    const Heard reference{kFrames, 0xb7926a03dbbc5a9du};
    {
        SoundPlayer player;
        player.SetSearchFolders({});
        ASSERT_TRUE(player.IsOpen());
        player.PlayLooping("pipi.wav");
        ASSERT_TRUE(WaitFor(
            [&] {
                const auto pcm = ReadAll(path);
                const auto first = FirstSoundingFrame(pcm);
                return first && pcm.size() / kFrameBytes >= *first + kFrames;
            },
            std::chrono::seconds(30)));
        EXPECT_TRUE(player.IsPlaying());
        player.Stop();
    }
    const Heard heard = SoundIn(ReadAll(path), kFrames);
    EXPECT_EQ(heard.frames, reference.frames);
    EXPECT_EQ(heard.digest, reference.digest) << "digest 0x" << std::hex << heard.digest;
}

}  // namespace
