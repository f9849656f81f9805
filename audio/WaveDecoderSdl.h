#pragma once

#include "SdlAudioLibrary.h"
#include "SoundVoice.h"

#include <cstddef>
#include <memory>

// Decodes a WAV file held in memory with SDL's reader (PCM, float, A-law,
// mu-law, MS and IMA ADPCM) and converts it with SDL's converter to the
// device's format, in whole frames; null when SDL cannot read it.
std::shared_ptr<const SoundVoice::Samples> DecodeWave(const SdlAudioLibrary& sdl,
                                                      const void* bytes, std::size_t size,
                                                      const SDL_AudioSpec& device);
