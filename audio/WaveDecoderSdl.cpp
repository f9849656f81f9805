#include "WaveDecoderSdl.h"

#include <climits>
#include <cstring>
#include <utility>

namespace {

std::size_t FrameBytes(SDL_AudioFormat format, int channels)
{
    return SDL_AUDIO_BITSIZE(format) / 8 * static_cast<std::size_t>(channels);
}

// The file's samples in the device's format; false when SDL refuses the
// conversion.
bool Convert(const SdlAudioLibrary& sdl, const SDL_AudioSpec& wav, const Uint8* samples,
             Uint32 length, const SDL_AudioSpec& device, SoundVoice::Samples& out)
{
    if (wav.format == device.format && wav.channels == device.channels && wav.freq == device.freq) {
        out.assign(samples, samples + length);
        return true;
    }
    SDL_AudioCVT cvt;
    if (sdl.BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, device.format,
                          device.channels, device.freq) < 0) {
        return false;
    }
    // SDL converts in place, in a buffer len_mult times the input.
    cvt.len = static_cast<int>(length - length % FrameBytes(wav.format, wav.channels));
    out.assign(static_cast<std::size_t>(cvt.len) * static_cast<std::size_t>(cvt.len_mult), 0);
    std::memcpy(out.data(), samples, static_cast<std::size_t>(cvt.len));
    cvt.buf = out.data();
    if (sdl.ConvertAudio(&cvt) < 0) {
        return false;
    }
    out.resize(static_cast<std::size_t>(cvt.len_cvt));
    out.shrink_to_fit();
    return true;
}

}  // namespace

std::shared_ptr<const SoundVoice::Samples> DecodeWave(const SdlAudioLibrary& sdl,
                                                      const void* bytes, std::size_t size,
                                                      const SDL_AudioSpec& device)
{
    if (size == 0 || size > INT_MAX) {
        return nullptr;
    }
    SDL_RWops* source = sdl.RWFromConstMem(bytes, static_cast<int>(size));
    SDL_AudioSpec wav{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!source || !sdl.LoadWAV_RW(source, 1, &wav, &samples, &length)) {
        return nullptr;
    }
    auto converted = std::make_shared<SoundVoice::Samples>();
    const bool ok = Convert(sdl, wav, samples, length, device, *converted);
    sdl.Free(samples);
    if (!ok) {
        return nullptr;
    }
    converted->resize(converted->size() - converted->size() % FrameBytes(device.format, device.channels));
    return converted;
}
