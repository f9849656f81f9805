#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The clock's one voice: a sound already in the device's format, handed to
// the device in the buffers it asks for, played once or looped without a
// gap, and silence around it. Only one sound plays at a time, so there is
// nothing to mix: each byte of a buffer is the sound's or silence, exactly.
// Not thread-safe: the player holds the device's lock around every call, and
// the device's thread calls Fill under that lock.
class SoundVoice {
public:
    using Samples = std::vector<std::uint8_t>;

    // Replaces whatever plays. An empty sound plays nothing.
    void Start(std::shared_ptr<const Samples> sound, bool loop);
    void Stop();
    // Until the sound's last byte has been handed over; a loop plays on.
    bool IsPlaying() const;

    // Fills bytes of out: the sound from where it stands, then silence.
    void Fill(std::uint8_t* out, std::size_t bytes, std::uint8_t silence);

private:
    std::shared_ptr<const Samples> sound;  // null: silent
    std::size_t position = 0;              // bytes of sound handed over
    bool loop = false;
};
