#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Plays the clock's sounds, one at a time. A bare name ("Gooohn.wav") is
// looked up in the search folders, then among the sounds built into the
// program. A file larger than kMaxSoundFileBytes, or one that is no WAV file
// the backend reads, is passed over. Without an audio device everything is silent and
// nothing fails.
// One backend per system, chosen by the build:
//
// SDL2's audio (SoundPlayerSdl.cpp), with a voice of our own
// (SoundVoice.h): the sounds are WAV files, converted once to the device's
// format. SDL2 itself is loaded with the first sound, not with the program,
// and the device is opened when a sound starts and closed again once nothing
// has played for a few seconds (ReleaseDeviceWhenIdle), so an idle clock
// keeps no audio thread busy filling buffers with silence.
//
// Windows' own sound service (SoundPlayerWinmm.cpp), which opens the device
// for each sound by itself.
class SoundPlayer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kIdleBeforeRelease{3000};
    // 16 MiB: over a minute and a half of CD-quality sound; a bell or an
    // alarm needs seconds.
    static constexpr std::uintmax_t kMaxSoundFileBytes = 16u << 20;

    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Folders searched, in order, for a sound file before the built-in copy.
    void SetSearchFolders(std::vector<std::string> folders);

    // Plays name once unless a sound is still playing (then nothing happens).
    void PlayYielding(const std::string& name);
    // Ends any sound that plays, then loops name until Stop.
    void PlayLooping(const std::string& name);
    void Stop();

    // Call now and then (the clock does at every tick): closes the device
    // once it has been silent for kIdleBeforeRelease.
    void ReleaseDeviceWhenIdle(Clock::time_point now = Clock::now());

    // Whether the device is open right now.
    bool IsOpen() const;
    bool IsPlaying() const;

private:
    struct Backend;
    std::unique_ptr<Backend> backend;
};

// The folders a program at exePath searches: its own folder and, on POSIX
// systems, the installed data folder beside it (../share/vellmor/sounds).
// Never the working folder: whatever lies there under a sound's name is
// nobody's choice for the clock.
std::vector<std::string> DefaultSoundFolders(const std::string& exePath);
