// The Windows sound player as far as a machine without a sound card shows
// it (Wine on a build server): what plays, for how long, and what a request
// does to a sound that plays. The system's PlaySound accepts the request and
// plays it on a thread of its own, so the player's account is what a test
// can see; whether a speaker sounded is not.
#include "SoundPlayer.h"
#include "TempDir.h"
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

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
    player.PlayYielding("Gooohn.wav");  // the built-in copy, 5.3 s
    ASSERT_TRUE(player.IsPlaying());
    player.PlayYielding("pipi.wav");    // yields: the bell goes on
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(player.IsPlaying()) << "the bell was cut short";
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST(WinmmSoundPlayer, AFileInTheSearchFoldersComesBeforeTheBuiltInCopy)
{
    // A minute of the folder's own against the built-in one second: still
    // playing after three seconds, it is the folder's, however late the
    // checks come on a loaded machine.
    TempDir dir;
    WriteBytes(dir.File("pipi.wav"), SilentWave(60000));
    SoundPlayer player;
    player.SetSearchFolders({dir.path});
    player.PlayYielding("pipi.wav");
    std::this_thread::sleep_for(3s);
    EXPECT_TRUE(player.IsPlaying()) << "the built-in copy played, not the folder's";
    // Once it has ended, the next request plays.
    player.Stop();
    player.PlayYielding("pipi.wav");
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
}

// The working folder is not one of the program's: a sound of the same name
// there is never played.
TEST(WinmmSoundPlayer, TheWorkingFolderIsNeverSearched)
{
    TempDir work;
    TempDir program;
    WriteBytes(work.File("pipi.wav"), SilentWave(60000));
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::u8path(work.path));
    SoundPlayer player;
    player.SetSearchFolders(DefaultSoundFolders(program.File("vellmor.exe")));
    player.PlayYielding("pipi.wav");
    std::filesystem::current_path(before);
    EXPECT_TRUE(StopsPlayingWithin(player, 10s)) << "the working folder's minute of sound played";
}

// Files that are not what they say: one that is no WAV at all and one too
// large to be a bell are passed over (a name with a built-in copy falls back
// to it); one whose header claims 2 GiB for a tenth of a second of sound
// plays the sound it holds, and ends.
TEST(WinmmSoundPlayer, MalformedHugeAndLyingFiles)
{
    TempDir dir;
    WriteOddSoundFiles(dir);
    for (const auto& c : kOddSoundStarts) {
        SoundPlayer player;
        player.SetSearchFolders({dir.path});
        player.PlayYielding(c.name);
        EXPECT_EQ(player.IsPlaying(), c.plays) << c.name;
        player.Stop();
    }
    SoundPlayer player;
    player.SetSearchFolders({dir.path});
    player.PlayYielding("lying.wav");
    EXPECT_TRUE(StopsPlayingWithin(player, 10s)) << "the length came from the lying header";
    // The next strike is not kept waiting.
    player.PlayYielding("Gooohn.wav");
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
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
