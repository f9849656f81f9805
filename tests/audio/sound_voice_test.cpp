#include "SoundVoice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t kSilence = 0x80;  // unlike any byte of the sounds

std::shared_ptr<const SoundVoice::Samples> Sound(Bytes bytes)
{
    return std::make_shared<const SoundVoice::Samples>(std::move(bytes));
}

Bytes Buffer(SoundVoice& voice, std::size_t size)
{
    Bytes out(size, 0xEE);
    voice.Fill(out.data(), out.size(), kSilence);
    return out;
}

TEST(SoundVoice, OnceThenSilence)
{
    SoundVoice voice;
    EXPECT_EQ(Buffer(voice, 3), (Bytes{kSilence, kSilence, kSilence})) << "silent before a sound";
    voice.Start(Sound({1, 2, 3, 4, 5, 6}), false);
    EXPECT_TRUE(voice.IsPlaying());
    EXPECT_EQ(Buffer(voice, 4), (Bytes{1, 2, 3, 4}));
    EXPECT_TRUE(voice.IsPlaying());
    EXPECT_EQ(Buffer(voice, 4), (Bytes{5, 6, kSilence, kSilence}));
    EXPECT_FALSE(voice.IsPlaying()) << "its last byte was handed over";
    EXPECT_EQ(Buffer(voice, 2), (Bytes{kSilence, kSilence}));
}

TEST(SoundVoice, ALoopRunsOnWithoutAGapAcrossBuffersOfAnySize)
{
    SoundVoice voice;
    voice.Start(Sound({1, 2, 3}), true);
    EXPECT_EQ(Buffer(voice, 2), (Bytes{1, 2}));
    EXPECT_EQ(Buffer(voice, 8), (Bytes{3, 1, 2, 3, 1, 2, 3, 1}));  // longer than the sound
    EXPECT_EQ(Buffer(voice, 2), (Bytes{2, 3}));
    EXPECT_TRUE(voice.IsPlaying());
    voice.Stop();
    EXPECT_FALSE(voice.IsPlaying());
    EXPECT_EQ(Buffer(voice, 2), (Bytes{kSilence, kSilence}));
}

TEST(SoundVoice, StartReplacesWhatPlaysFromItsBeginning)
{
    SoundVoice voice;
    voice.Start(Sound({1, 2, 3, 4}), true);
    EXPECT_EQ(Buffer(voice, 3), (Bytes{1, 2, 3}));
    voice.Start(Sound({7, 8}), false);
    EXPECT_EQ(Buffer(voice, 3), (Bytes{7, 8, kSilence}));
    EXPECT_FALSE(voice.IsPlaying()) << "the new sound is not looped";

    voice.Start(Sound({}), true);  // nothing to play, and no endless loop over it
    EXPECT_FALSE(voice.IsPlaying());
    voice.Start(nullptr, false);
    EXPECT_FALSE(voice.IsPlaying());
    EXPECT_EQ(Buffer(voice, 1), (Bytes{kSilence}));
}

}  // namespace
