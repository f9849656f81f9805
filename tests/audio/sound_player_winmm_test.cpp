// The Windows sound player as far as a machine without a sound card shows
// it (Wine on a build server): what plays, for how long, and what a request
// does to a sound that plays. The system's PlaySound accepts the request and
// plays it on a thread of its own, so the player's account is what a test
// can see; whether a speaker sounded is not.
#include "SoundPlayer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A RIFF WAVE file of silence: 16-bit mono at 8000 Hz, `ms` long.
std::string SilentWave(int ms)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(8000 * 2 * ms / 1000);
    auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    auto le16 = [](std::uint16_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
    };
    return "RIFF" + le32(36 + dataBytes) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
           le32(8000) + le32(16000) + le16(2) + le16(16) + "data" + le32(dataBytes) +
           std::string(dataBytes, '\0');
}

bool StopsPlayingWithin(SoundPlayer& player, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (player.IsPlaying()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

TEST(WinmmSoundPlayer, TheBuiltInBellPlaysForItsLengthAndAYieldingRequestWaits)
{
    SoundPlayer player;
    player.SetSearchFolders({});
    player.PlayYielding("Gooohn.wav");  // the built-in copy, 2.65 s
    ASSERT_TRUE(player.IsPlaying());
    player.PlayYielding("pipi.wav");    // yields: the bell goes on
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(player.IsPlaying()) << "the bell was cut short";
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST(WinmmSoundPlayer, AFileInTheSearchFoldersComesBeforeTheBuiltInCopy)
{
    TempDir dir;
    WriteBytes(dir.File("Gooohn.wav"), SilentWave(100));
    SoundPlayer player;
    player.SetSearchFolders({dir.path});
    player.PlayYielding("Gooohn.wav");
    ASSERT_TRUE(player.IsPlaying());
    // The folder's 0.1 s sound, not the built-in 2.65 s one.
    EXPECT_TRUE(StopsPlayingWithin(player, 1500ms));
    // Once it has ended, the next request plays.
    player.PlayYielding("Gooohn.wav");
    EXPECT_TRUE(player.IsPlaying());
}

TEST(WinmmSoundPlayer, LoopingEndsTheSoundThatPlaysAndGoesOnUntilStop)
{
    TempDir dir;
    WriteBytes(dir.File("pipi.wav"), SilentWave(50));
    SoundPlayer player;
    player.SetSearchFolders({dir.path});
    player.PlayYielding("Gooohn.wav");
    player.PlayLooping("pipi.wav");
    EXPECT_FALSE(StopsPlayingWithin(player, 500ms)) << "a loop of a 50 ms sound ended";
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST(WinmmSoundPlayer, UnknownNamesAndPathsPlayNothing)
{
    TempDir dir;
    WriteBytes(dir.File("x.wav"), SilentWave(1000));
    SoundPlayer player;
    player.SetSearchFolders({"."});
    const std::string names[] = {"nosuch.wav", dir.File("x.wav"), "..\\pipi.wav"};
    for (const std::string& name : names) {
        player.PlayYielding(name);
        EXPECT_FALSE(player.IsPlaying()) << name;
    }
}

}  // namespace
