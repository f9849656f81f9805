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

void WriteLittleEndian32(char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<char>(value >> (8 * i));
    }
}

// Makes a RIFF WAVE file fit to hand to the sound service and tells how long
// it plays: its data chunk over the format's bytes per second. A chunk (or
// the RIFF header) that claims more bytes than the file holds is cut to the
// bytes present, in the file's own headers, so that the service never reads
// past the end and the player never waits for sound that is not there (a
// header may claim 2 GiB for a tenth of a second). Zero when the file is not
// one the sound service can play.
std::chrono::milliseconds ClampToBytesPresent(WaveBytes& wave)
{
    if (wave.size() < 12 || wave.size() > SoundPlayer::kMaxSoundFileBytes ||
        std::memcmp(wave.data(), "RIFF", 4) != 0 || std::memcmp(wave.data() + 8, "WAVE", 4) != 0) {
        return std::chrono::milliseconds(0);
    }
    const auto present = static_cast<std::uint32_t>(wave.size());
    if (ReadLittleEndian32(wave.data() + 4) > present - 8) {
        WriteLittleEndian32(wave.data() + 4, present - 8);
    }
    std::uint32_t bytesPerSecond = 0;
    std::uint32_t dataBytes = 0;
    for (std::uint32_t at = 12; at + 8 <= present;) {
        std::uint32_t size = ReadLittleEndian32(wave.data() + at + 4);
        if (size > present - (at + 8)) {
            size = present - (at + 8);
            WriteLittleEndian32(wave.data() + at + 4, size);
        }
        if (std::memcmp(wave.data() + at, "fmt ", 4) == 0 && size >= 12) {
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

// The file's bytes when it is at most kMaxSoundFileBytes long; empty else.
WaveBytes ReadFile(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in) {
        return WaveBytes();
    }
    WaveBytes bytes(SoundPlayer::kMaxSoundFileBytes + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    bytes.resize(got <= SoundPlayer::kMaxSoundFileBytes ? got : 0);
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
            wave.length = ClampToBytesPresent(wave.bytes);
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
            wave.length = ClampToBytesPresent(wave.bytes);
        }
    }
    return cache[name] = std::move(wave);
}

SoundPlayer::SoundPlayer() : backend_(std::make_unique<Backend>()) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::SetSearchFolders(std::vector<std::string> folders)
{
    backend_->folders = std::move(folders);
}

void SoundPlayer::PlayYielding(const std::string& name)
{
    if (IsPlaying()) {
        return;
    }
    const Backend::Wave& wave = backend_->Load(name);
    if (!wave.bytes.empty() && backend_->Play(wave, SND_NOSTOP)) {
        backend_->playingUntil = Clock::now() + wave.length;
    }
}

void SoundPlayer::PlayLooping(const std::string& name)
{
    backend_->Stop();
    const Backend::Wave& wave = backend_->Load(name);
    if (!wave.bytes.empty()) {
        backend_->looping = backend_->Play(wave, SND_LOOP);
    }
}

void SoundPlayer::Stop()
{
    backend_->Stop();
}

void SoundPlayer::ReleaseDeviceWhenIdle(Clock::time_point)
{
    // The sound service closes its device after each sound by itself.
}

bool SoundPlayer::IsOpen() const
{
    return backend_->IsPlaying();
}

bool SoundPlayer::IsPlaying() const
{
    return backend_->IsPlaying();
}

std::vector<std::string> DefaultSoundFolders(const std::string& exePath)
{
    const auto slash = exePath.find_last_of(kPathSeparators);
    const std::string exeDir = slash == std::string::npos ? std::string(".") : exePath.substr(0, slash);
    return {exeDir};
}
