#include "SoundPlayer.h"

#include "EmbeddedResources.h"
#include "FileSystem.h"
#include "WaveHeaders.h"
#include "WideText.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// The file's bytes when it is at most kMaxSoundFileBytes long; empty else.
WaveBytes ReadFile(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || static_cast<std::uintmax_t>(size) > SoundPlayer::kMaxSoundFileBytes) {
        return WaveBytes();
    }
    // What the file held when it was opened; what it gains meanwhile is
    // not read.
    WaveBytes bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

// The system's PlaySound plays one sound per process: a request without
// SND_NOSTOP ends the sound that plays, and with it the request yields to
// one. It says nothing about when a sound ends, so the player counts the
// sound's own length from its start.
struct SoundPlayer::Backend {
    // A sound as it is handed to the service, and how long it plays.
    struct Wave {
        WaveBytes bytes;  // empty: not found
        std::chrono::milliseconds length{0};
    };

    ~Backend() { Stop(); }  // the sound plays from cache's memory

    const Wave& Load(const std::string& name);
    bool Play(const Wave& wave, DWORD flags)
    {
        return PlaySoundW(reinterpret_cast<LPCWSTR>(wave.bytes.data()), nullptr,
                          SND_MEMORY | SND_ASYNC | SND_NODEFAULT | flags) != FALSE;
    }
    void Stop()
    {
        PlaySoundW(nullptr, nullptr, 0);
        looping = false;
        playingUntil = Clock::time_point();
    }
    bool IsPlaying() const { return looping || Clock::now() < playingUntil; }

    std::vector<std::string> folders;
    std::map<std::string, Wave> cache;
    bool looping = false;
    Clock::time_point playingUntil;
};

const SoundPlayer::Backend::Wave& SoundPlayer::Backend::Load(const std::string& name)
{
    const auto cached = cache.find(name);
    if (cached != cache.end()) {
        return cached->second;
    }
    Wave wave;
    // Only bare names: a name with a path could reach outside the folders.
    if (name.find_first_of(kPathSeparators) == std::string::npos) {
        for (const std::string& folder : folders) {
            wave.bytes = ReadFile(folder + kPathSeparator + name);
            wave.length = ClampWaveToBytesPresent(wave.bytes);
            if (wave.length.count() > 0) {
                break;
            }
            wave.bytes.clear();
        }
    }
    if (wave.bytes.empty()) {
        const EmbeddedResource builtIn = FindEmbeddedResource(name);
        if (builtIn) {
            const auto* bytes = reinterpret_cast<const char*>(builtIn.data);
            wave.bytes.assign(bytes, bytes + builtIn.size);
            wave.length = ClampWaveToBytesPresent(wave.bytes);
        }
    }
    return cache[name] = std::move(wave);
}

SoundPlayer::SoundPlayer() : backend(std::make_unique<Backend>()) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::SetSearchFolders(std::vector<std::string> folders)
{
    backend->folders = std::move(folders);
}

void SoundPlayer::PlayYielding(const std::string& name)
{
    if (IsPlaying()) {
        return;
    }
    const Backend::Wave& wave = backend->Load(name);
    if (!wave.bytes.empty() && backend->Play(wave, SND_NOSTOP)) {
        backend->playingUntil = Clock::now() + wave.length;
    }
}

void SoundPlayer::PlayLooping(const std::string& name)
{
    backend->Stop();
    const Backend::Wave& wave = backend->Load(name);
    if (!wave.bytes.empty()) {
        backend->looping = backend->Play(wave, SND_LOOP);
    }
}

void SoundPlayer::Stop()
{
    backend->Stop();
}

void SoundPlayer::ReleaseDeviceWhenIdle(Clock::time_point)
{
    // The sound service closes its device after each sound by itself.
}

bool SoundPlayer::IsOpen() const
{
    return backend->IsPlaying();
}

bool SoundPlayer::IsPlaying() const
{
    return backend->IsPlaying();
}

std::vector<std::string> DefaultSoundFolders(const std::string& exePath)
{
    return {FolderOf(exePath)};
}
