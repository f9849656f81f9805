#include "SoundVoice.h"

#include <algorithm>
#include <cstring>
#include <utility>

void SoundVoice::Start(std::shared_ptr<const Samples> next, bool looping)
{
    sound = next && !next->empty() ? std::move(next) : nullptr;
    position = 0;
    loop = looping;
}

void SoundVoice::Stop()
{
    sound.reset();
    position = 0;
}

bool SoundVoice::IsPlaying() const
{
    return sound != nullptr;
}

void SoundVoice::Fill(std::uint8_t* out, std::size_t bytes, std::uint8_t silence)
{
    while (bytes > 0 && sound) {
        const std::size_t n = std::min(bytes, sound->size() - position);
        std::memcpy(out, sound->data() + position, n);
        out += n;
        bytes -= n;
        position += n;
        if (position == sound->size()) {
            position = 0;
            if (!loop) {
                sound.reset();
            }
        }
    }
    std::memset(out, silence, bytes);
}
