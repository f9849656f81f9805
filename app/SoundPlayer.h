#pragma once

#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;

// Plays the clock's sounds through SDL2_mixer, one at a time. A bare name
// ("Gooohn.wav") is looked up in the search folders, then among the sounds
// built into the program. Without an audio device everything is silent and
// nothing fails.
class SoundPlayer {
public:
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

    bool IsOpen() const { return open_; }
    bool IsPlaying() const;

private:
    Mix_Chunk* Load(const std::string& name);

    bool open_ = false;
    std::vector<std::string> folders_;
    std::map<std::string, Mix_Chunk*> cache_;  // owned; nullptr: not found
};

// The folders a program at exePath searches: the working directory, the
// program's own folder and the installed data folder beside it.
std::vector<std::string> DefaultSoundFolders(const std::string& exePath);
