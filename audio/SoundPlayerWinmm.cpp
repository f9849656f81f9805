#include "SoundPlayer.h"

#include "EmbeddedResources.h"
#include "FileSystem.h"
#include "WideText.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

using WaveBytes = std::vector<char>;

std::uint32_t ReadLittleEndian32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

// How long a RIFF WAVE file plays: its data chunk over the format's bytes per
// second. Zero when the file is not one the sound service can play.
std::chrono::milliseconds PlayingTime(const WaveBytes& wave)
{
    if (wave.size() < 12 || std::memcmp(wave.data(), "RIFF", 4) != 0 ||
        std::memcmp(wave.data() + 8, "WAVE", 4) != 0) {
        return std::chrono::milliseconds(0);
    }
    std::uint32_t bytesPerSecond = 0;
    std::uint32_t dataBytes = 0;
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        const std::uint32_t size = ReadLittleEndian32(wave.data() + at + 4);
        if (std::memcmp(wave.data() + at, "fmt ", 4) == 0 && at + 8 + 12 <= wave.size()) {
            bytesPerSecond = ReadLittleEndian32(wave.data() + at + 8 + 8);
        } else if (std::memcmp(wave.data() + at, "data", 4) == 0) {
            dataBytes = size;
        }
        at += 8 + size + (size & 1);  // chunks are padded to even lengths
    }
    if (bytesPerSecond == 0) {
        return std::chrono::milliseconds(0);
    }
    return std::chrono::milliseconds(std::uint64_t{dataBytes} * 1000 / bytesPerSecond);
}

WaveBytes ReadFile(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    return in ? WaveBytes(std::istreambuf_iterator<char>(in), {}) : WaveBytes();
}

}  // namespace

// The system's PlaySound plays one sound per process: a request without
// SND_NOSTOP ends the sound that plays, and with it the request yields to
// one. It says nothing about when a sound ends, so the player counts the
// sound's own length from its start.
struct SoundPlayer::Backend {
    ~Backend() { Stop(); }  // the sound plays from cache's memory

    const WaveBytes& Load(const std::string& name);
    bool Play(const WaveBytes& wave, DWORD flags)
    {
        return PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr,
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
    std::map<std::string, WaveBytes> cache;  // empty: not found
    bool looping = false;
    Clock::time_point playingUntil;
};

const WaveBytes& SoundPlayer::Backend::Load(const std::string& name)
{
    const auto cached = cache.find(name);
    if (cached != cache.end()) {
        return cached->second;
    }
    WaveBytes wave;
    // Only bare names: a name with a path could reach outside the folders.
    if (name.find_first_of(kPathSeparators) == std::string::npos) {
        for (const std::string& folder : folders) {
            wave = ReadFile(folder + kPathSeparator + name);
            if (PlayingTime(wave).count() > 0) {
                break;
            }
            wave.clear();
        }
    }
    if (wave.empty()) {
        const EmbeddedResource builtIn = FindEmbeddedResource(name);
        if (builtIn) {
            const auto* bytes = reinterpret_cast<const char*>(builtIn.data);
            wave.assign(bytes, bytes + builtIn.size);
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
    const WaveBytes& wave = backend->Load(name);
    if (!wave.empty() && backend->Play(wave, SND_NOSTOP)) {
        backend->playingUntil = Clock::now() + PlayingTime(wave);
    }
}

void SoundPlayer::PlayLooping(const std::string& name)
{
    backend->Stop();
    const WaveBytes& wave = backend->Load(name);
    if (!wave.empty()) {
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
    return {".", FolderOf(exePath)};
}
