#include "SoundPlayer.h"

#include "EmbeddedResources.h"
#include "FileSystem.h"
#include "SdlAudioLibrary.h"
#include "SoundVoice.h"
#include "WaveDecoderSdl.h"
#include "WaveHeaders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
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

// Called by the device's thread, under the device's lock, for each buffer.
// The device plays signed 16-bit samples, whose silence is 0.
void SDLCALL FillBuffer(void* voice, Uint8* buffer, int bytes)
{
    constexpr std::uint8_t kSilence = 0;
    static_cast<SoundVoice*>(voice)->Fill(buffer, static_cast<std::size_t>(bytes), kSilence);
}

}  // namespace

// The player's state with SDL2's audio: one device, one voice.
struct SoundPlayer::Backend {
    Backend();
    ~Backend();

    bool StartAudio();
    bool OpenDevice();
    void CloseDevice();
    std::shared_ptr<const SoundVoice::Samples> Load(const std::string& name);
    std::shared_ptr<const SoundVoice::Samples> Decode(WaveBytes bytes) const;
    void Play(const std::string& name, bool loop);
    void PlayYielding(const std::string& name);
    void PlayLooping(const std::string& name);
    void Stop();
    void ReleaseDeviceWhenIdle(Clock::time_point now);
    bool IsPlaying() const;

    const SdlAudioLibrary* sdl = nullptr;  // loaded with the first sound
    bool audioStarted = false;
    bool keepOpen = false;  // SDL's disk driver: see the constructor
    SDL_AudioDeviceID device = 0;  // 0: closed
    SDL_AudioSpec deviceSpec{};    // what the device plays, while open
    SoundVoice voice;              // under the device's lock while open
    bool idle = false;             // silent since idleSince
    Clock::time_point idleSince;
    std::vector<std::string> folders;
    // In the device's format; null: not found or not decodable.
    std::map<std::string, std::shared_ptr<const SoundVoice::Samples>> cache;
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
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SoundPlayer::Backend::StartAudio()
{
    // Tried again at each sound while it fails: a sound service may come later.
    if (!audioStarted) {
        sdl = LoadSdlAudioLibrary();
        audioStarted = sdl && sdl->InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return audioStarted;
}

bool SoundPlayer::Backend::OpenDevice()
{
    if (device != 0) {
        return true;
    }
    if (!StartAudio()) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;  // the voice's silence is 0: a signed format
    wanted.channels = kChannels;
    wanted.samples = kChunkSamples;
    wanted.callback = FillBuffer;
    wanted.userdata = &voice;
    // SDL converts to whatever sample format the device has; the rate and the
    // channels the sounds are converted to themselves, once at loading.
    device = sdl->OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device == 0) {
        return false;
    }
    voice.Stop();
    sdl->PauseAudioDevice(device, 0);
    idle = false;
    return true;
}

void SoundPlayer::Backend::CloseDevice()
{
    if (device == 0) {
        return;
    }
    sdl->CloseAudioDevice(device);  // its thread has ended when this returns
    device = 0;
    voice.Stop();
    // Sounds are converted to the format of the device they were loaded
    // for; the next open may get another format.
    cache.clear();
}

void SoundPlayer::Backend::ReleaseDeviceWhenIdle(Clock::time_point now)
{
    if (device == 0 || keepOpen) {
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

// A WAV file's bytes decoded for the open device. Its headers are first held
// to the bytes present: SDL sets aside what the data chunk claims.
std::shared_ptr<const SoundVoice::Samples> SoundPlayer::Backend::Decode(WaveBytes bytes) const
{
    if (bytes.empty()) {
        return nullptr;
    }
    ClampWaveToBytesPresent(bytes);
    return DecodeWave(*sdl, bytes.data(), bytes.size(), deviceSpec);
}

std::shared_ptr<const SoundVoice::Samples> SoundPlayer::Backend::Load(const std::string& name)
{
    const auto cached = cache.find(name);
    if (cached != cache.end()) {
        return cached->second;
    }
    std::shared_ptr<const SoundVoice::Samples> sound;
    // Only bare names: a name with a path could reach outside the folders.
    if (name.find('/') == std::string::npos) {
        for (const std::string& folder : folders) {
            if ((sound = Decode(ReadSoundFile(folder + "/" + name))) != nullptr) {
                break;
            }
        }
    }
    if (!sound) {
        const EmbeddedResource builtIn = FindEmbeddedResource(name);
        if (builtIn) {
            sound = DecodeWave(*sdl, builtIn.data, builtIn.size, deviceSpec);
        }
    }
    cache[name] = sound;
    return sound;
}

bool SoundPlayer::Backend::IsPlaying() const
{
    if (device == 0) {
        return false;
    }
    sdl->LockAudioDevice(device);
    const bool playing = voice.IsPlaying();
    sdl->UnlockAudioDevice(device);
    return playing;
}

void SoundPlayer::Backend::Play(const std::string& name, bool loop)
{
    std::shared_ptr<const SoundVoice::Samples> sound = Load(name);
    if (!sound) {
        return;
    }
    sdl->LockAudioDevice(device);
    voice.Start(std::move(sound), loop);
    sdl->UnlockAudioDevice(device);
    idle = false;
}

void SoundPlayer::Backend::PlayYielding(const std::string& name)
{
    if (IsPlaying() || !OpenDevice()) {
        return;
    }
    Play(name, false);
}

void SoundPlayer::Backend::PlayLooping(const std::string& name)
{
    if (!OpenDevice()) {
        return;
    }
    Stop();
    Play(name, true);
}

void SoundPlayer::Backend::Stop()
{
    if (device == 0) {
        return;
    }
    sdl->LockAudioDevice(device);
    voice.Stop();
    sdl->UnlockAudioDevice(device);
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
bool SoundPlayer::IsOpen() const { return backend->device != 0; }
bool SoundPlayer::IsPlaying() const { return backend->IsPlaying(); }

std::vector<std::string> DefaultSoundFolders(const std::string& exePath)
{
    const std::string exeDir = FolderOf(exePath);
    return {exeDir, exeDir + "/../share/vellmor/sounds"};
}
