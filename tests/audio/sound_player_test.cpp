#include "SoundPlayer.h"
#include "TempDir.h"
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <thread>

namespace {

// SDL's disk driver mixes into a file at real-time pace: a real device is
// not needed, and what was played could be read back.
class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    }
    void TearDown() override { std::remove(path.c_str()); }

    std::string path = "/tmp/vellmor-sound-test-" + std::to_string(getpid()) + ".raw";
};

TEST_F(SoundPlayerTest, YieldingLoopingAndStop)
{
    SoundPlayer player;
    player.SetSearchFolders({"/nonexistent"});
    ASSERT_TRUE(player.IsOpen()) << SDL_GetError();

    player.PlayYielding("Gooohn.wav");  // the built-in bell
    EXPECT_TRUE(player.IsPlaying());
    player.PlayLooping("pipi.wav");     // ends the bell, loops the alarm
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(player.IsPlaying()) << "a looping sound outlasts its length";
    player.PlayYielding("Gooohn.wav");  // yields to the alarm: nothing changes
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(SoundPlayerTest, TheRecordingDriverKeepsItsDeviceOpen)
{
    // The disk driver starts its file afresh at each open: one open per run.
    SoundPlayer player;
    ASSERT_TRUE(player.IsOpen());
    player.ReleaseDeviceWhenIdle(SoundPlayer::Clock::now());
    player.ReleaseDeviceWhenIdle(SoundPlayer::Clock::now() + std::chrono::hours(1));
    EXPECT_TRUE(player.IsOpen());
}

TEST_F(SoundPlayerTest, UnknownOrPathNamesPlayNothing)
{
    SoundPlayer player;
    ASSERT_TRUE(player.IsOpen());
    for (const char* name : {"nosuch.wav", "../sounds/Gooohn.wav", "/etc/passwd", ""}) {
        player.PlayYielding(name);
        EXPECT_FALSE(player.IsPlaying()) << name;
        player.PlayLooping(name);
        EXPECT_FALSE(player.IsPlaying()) << name;
    }
}

bool StopsPlayingWithin(SoundPlayer& player, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (player.IsPlaying()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The program's own folders are searched, never the working folder: a sound
// of the same name there is not decoded.
TEST_F(SoundPlayerTest, TheWorkingFolderIsNeverSearched)
{
    EXPECT_EQ(DefaultSoundFolders("/opt/v/vellmor"),
              (std::vector<std::string>{"/opt/v", "/opt/v/../share/vellmor/sounds"}));

    TempDir work;
    TempDir program;
    WriteBytes(work.File("pipi.wav"), SilentWave(60000));
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(work.path);
    SoundPlayer player;
    player.SetSearchFolders(DefaultSoundFolders(program.File("vellmor")));
    player.PlayYielding("pipi.wav");  // the built-in second
    std::filesystem::current_path(before);
    EXPECT_TRUE(StopsPlayingWithin(player, std::chrono::seconds(10)))
        << "the working folder's minute of sound played";
}

// Files that are not what they say: one that is no WAV at all and one too
// large to be a bell are passed over (a name with a built-in copy falls back
// to it); one whose header claims 2 GiB for a tenth of a second of sound
// plays what it holds, and ends.
TEST_F(SoundPlayerTest, MalformedHugeAndLyingFiles)
{
    TempDir dir;
    WriteOddSoundFiles(dir);
    SoundPlayer player;
    player.SetSearchFolders({dir.path});
    ASSERT_TRUE(player.IsOpen()) << SDL_GetError();
    for (const auto& c : kOddSoundStarts) {
        player.PlayYielding(c.name);
        EXPECT_EQ(player.IsPlaying(), c.plays) << c.name;
        player.Stop();
    }
    player.PlayYielding("lying.wav");
    EXPECT_TRUE(StopsPlayingWithin(player, std::chrono::seconds(10)));
    player.PlayYielding("Gooohn.wav");
    EXPECT_TRUE(player.IsPlaying()) << "the next strike was kept waiting";
    player.Stop();
}

TEST(SoundPlayerDevice, HeldOnlyWhileSoundsPlayAndAFewSecondsAfter)
{
    using namespace std::chrono_literals;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    EXPECT_FALSE(player.IsOpen()) << "a device held before the first sound";
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "audio started before the first sound";

    const auto t0 = SoundPlayer::Clock::now();
    player.PlayYielding("Gooohn.wav");
    ASSERT_TRUE(player.IsOpen()) << SDL_GetError();
    EXPECT_TRUE(player.IsPlaying());
    player.ReleaseDeviceWhenIdle(t0 + 10s);
    EXPECT_TRUE(player.IsOpen()) << "closed while playing";

    player.Stop();
    player.ReleaseDeviceWhenIdle(t0 + 20s);  // the silence begins
    player.ReleaseDeviceWhenIdle(t0 + 20s + SoundPlayer::kIdleBeforeRelease - 1ms);
    EXPECT_TRUE(player.IsOpen()) << "closed before the silence lasted long enough";
    player.ReleaseDeviceWhenIdle(t0 + 20s + SoundPlayer::kIdleBeforeRelease);
    EXPECT_FALSE(player.IsOpen());

    // Sounds play again after the device was closed (loaded afresh).
    player.PlayLooping("pipi.wav");
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    player.PlayYielding("Gooohn.wav");
    EXPECT_TRUE(player.IsPlaying());
}

TEST(SoundPlayerWithoutDevice, GoesOnSilently)
{
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SoundPlayer player;
    EXPECT_FALSE(player.IsOpen());
    player.PlayYielding("Gooohn.wav");
    player.PlayLooping("pipi.wav");
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

}  // namespace
