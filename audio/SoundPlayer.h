#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;

// Plays the clock's sounds through SDL2_mixer, one at a time. A bare name
// ("Gooohn.wav") is looked up in the search folders, then among the sounds
// built into the program. Without an audio device everything is silent and
// nothing fails.
//
// SDL's audio is started with the first sound, not with the program, and the
// device is opened when a sound starts and closed again once nothing has
// played for a few seconds (ReleaseDeviceWhenIdle), so an idle clock keeps no
// audio thread busy mixing silence.
class SoundPlayer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kIdleBeforeRelease{3000};

    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Folders searched, in order, for a sound file before the built-in copy.
    void SetSearchFolders(std::vector<std::string> folders) { folders_ = std::move(folders); }

    // Plays name once unless a sound is still playing (then nothing happens).
    void PlayYielding(const std::string& name);
    // Ends any sound that plays, then loops name until Stop.
    void PlayLooping(const std::string& name);
    void Stop();

    // Call now and then (the clock does at every tick): closes the device
    // once it has been silent for kIdleBeforeRelease.
    void ReleaseDeviceWhenIdle(Clock::time_point now = Clock::now());

    // Whether the device is open right now.
    bool IsOpen() const { return open_; }
    bool IsPlaying() const;

private:
    bool StartAudio();
    bool OpenDevice();
    void CloseDevice();
    Mix_Chunk* Load(const std::string& name);

    bool audioStarted_ = false;
    bool keepOpen_ = false;  // SDL's disk driver: see the constructor
    bool open_ = false;
    bool idle_ = false;      // silent since idleSince_
    Clock::time_point idleSince_;
    std::vector<std::string> folders_;
    std::map<std::string, Mix_Chunk*> cache_;  // owned; nullptr: not found
};

// The folders a program at exePath searches: the working directory, the
// program's own folder and the installed data folder beside it.
std::vector<std::string> DefaultSoundFolders(const std::string& exePath);
