#include "SoundPlayer.h"

#include "EmbeddedResources.h"
#include "FileSystem.h"
#include "WaveHeaders.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;     // Hz; the sounds are made at this rate
constexpr int kChannels = 2;
constexpr int kChunkSamples = 4096;    // ~93 ms: few wake-ups, latency is no concern

// The bytes of a regular file of at most kMaxSoundFileBytes, read through
// one descriptor (the file may grow or be swapped meanwhile: what was read
// is what counts); empty for anything else.
WaveBytes ReadSoundFile(const std::string& path)
{
    WaveBytes bytes;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return bytes;
    }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) <= SoundPlayer::kMaxSoundFileBytes) {
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
            if (n == 0) {
                break;
            }
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                done = 0;  // unreadable: nothing of it counts
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        // One byte more than the limit means the file grew past it.
        bytes.resize(done <= SoundPlayer::kMaxSoundFileBytes ? done : 0);
    }
    close(fd);
    return bytes;
}

// Decodes a WAV (or other format SDL_mixer reads) held in memory; the chunk
// owns its samples. A WAV's headers are first held to the bytes present:
// SDL sets aside what the data chunk claims.
Mix_Chunk* Decode(WaveBytes bytes)
{
    if (bytes.empty()) {
        return nullptr;
    }
    ClampWaveToBytesPresent(bytes);
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

}  // namespace

// The player's state with SDL2_mixer.
struct SoundPlayer::Backend {
    Backend();
    ~Backend();

    bool StartAudio();
    bool OpenDevice();
    void CloseDevice();
    Mix_Chunk* Load(const std::string& name);
    void PlayYielding(const std::string& name);
    void PlayLooping(const std::string& name);
    void Stop();
    void ReleaseDeviceWhenIdle(Clock::time_point now);
    bool IsPlaying() const;

    bool audioStarted = false;
    bool keepOpen = false;  // SDL's disk driver: see the constructor
    bool deviceOpen = false;
    bool idle = false;      // silent since idleSince
    Clock::time_point idleSince;
    std::vector<std::string> folders;
    std::map<std::string, Mix_Chunk*> cache;  // owned; nullptr: not found
};

SoundPlayer::Backend::Backend()
{
    // SDL's disk driver, which records what is played into a file, starts
    // that file afresh at every open: keep its device open for the whole run
    // so that the recording is one unbroken timeline. SDL picks that driver
    // only when it is asked for by name.
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (driver && std::strcmp(driver, "disk") == 0) {
        keepOpen = true;
        OpenDevice();
    }
}

SoundPlayer::Backend::~Backend()
{
    CloseDevice();
    if (audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SoundPlayer::Backend::StartAudio()
{
    // Tried again at each sound while it fails: a sound service may come later.
    if (!audioStarted) {
        audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return audioStarted;
}

bool SoundPlayer::Backend::OpenDevice()
{
    if (deviceOpen) {
        return true;
    }
    if (!StartAudio() || Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kChannels, kChunkSamples) != 0) {
        return false;
    }
    Mix_AllocateChannels(2);
    deviceOpen = true;
    idle = false;
    return true;
}

void SoundPlayer::Backend::CloseDevice()
{
    if (!deviceOpen) {
        return;
    }
    Mix_HaltChannel(-1);
    // Chunks are converted to the format of the device they were loaded
    // for; the next open may get another format.
    for (auto& entry : cache) {
        if (entry.second) {
            Mix_FreeChunk(entry.second);
        }
    }
    cache.clear();
    Mix_CloseAudio();
    deviceOpen = false;
}

void SoundPlayer::Backend::ReleaseDeviceWhenIdle(Clock::time_point now)
{
    if (!deviceOpen || keepOpen) {
        return;
    }
    if (IsPlaying()) {
        idle = false;
        return;
    }
    if (!idle) {
        idle = true;
        idleSince = now;
        return;
    }
    if (now - idleSince >= kIdleBeforeRelease) {
        CloseDevice();
    }
}

Mix_Chunk* SoundPlayer::Backend::Load(const std::string& name)
{
    const auto cached = cache.find(name);
    if (cached != cache.end()) {
        return cached->second;
    }
    Mix_Chunk* chunk = nullptr;
    // Only bare names: a name with a path could reach outside the folders.
    if (name.find('/') == std::string::npos) {
        for (const std::string& folder : folders) {
            const std::string path = folder + "/" + name;
            if ((chunk = Decode(ReadSoundFile(path))) != nullptr) {
                break;
            }
        }
    }
    if (!chunk) {
        const EmbeddedResource builtIn = FindEmbeddedResource(name);
        if (builtIn) {
            chunk = Mix_LoadWAV_RW(
                SDL_RWFromConstMem(builtIn.data, static_cast<int>(builtIn.size)), 1);
        }
    }
    cache[name] = chunk;
    return chunk;
}

bool SoundPlayer::Backend::IsPlaying() const
{
    return deviceOpen && Mix_Playing(-1) > 0;
}

void SoundPlayer::Backend::PlayYielding(const std::string& name)
{
    if (IsPlaying() || !OpenDevice()) {
        return;
    }
    if (Mix_Chunk* chunk = Load(name)) {
        Mix_PlayChannel(-1, chunk, 0);
        idle = false;
    }
}

void SoundPlayer::Backend::PlayLooping(const std::string& name)
{
    if (!OpenDevice()) {
        return;
    }
    Mix_HaltChannel(-1);
    if (Mix_Chunk* chunk = Load(name)) {
        Mix_PlayChannel(-1, chunk, -1);
        idle = false;
    }
}

void SoundPlayer::Backend::Stop()
{
    if (deviceOpen) {
        Mix_HaltChannel(-1);
    }
}

SoundPlayer::SoundPlayer() : backend(std::make_unique<Backend>()) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::SetSearchFolders(std::vector<std::string> folders)
{
    backend->folders = std::move(folders);
}

void SoundPlayer::PlayYielding(const std::string& name) { backend->PlayYielding(name); }
void SoundPlayer::PlayLooping(const std::string& name) { backend->PlayLooping(name); }
void SoundPlayer::Stop() { backend->Stop(); }
void SoundPlayer::ReleaseDeviceWhenIdle(Clock::time_point now) { backend->ReleaseDeviceWhenIdle(now); }
bool SoundPlayer::IsOpen() const { return backend->deviceOpen; }
bool SoundPlayer::IsPlaying() const { return backend->IsPlaying(); }

std::vector<std::string> DefaultSoundFolders(const std::string& exePath)
{
    const std::string exeDir = FolderOf(exePath);
    return {exeDir, exeDir + "/../share/vellmor/sounds"};
}
