#pragma once

#include <chrono>
#include <vector>

// The bytes of a sound file as read.
using WaveBytes = std::vector<char>;

// Makes a RIFF WAVE file fit to hand to a decoder and tells how long it
// plays: its data chunk over the format's bytes per second. A chunk (or the
// RIFF header) that claims more bytes than the file holds is cut, in the
// file's own headers, to the bytes present, so that no decoder reads past the
// end or sets aside room for sound that is not there, and no player waits
// for it: a header may claim 2 GiB for a tenth of a second. Zero, with the
// bytes left as they are, when the file is no RIFF WAVE with a format and
// some sound.
std::chrono::milliseconds ClampWaveToBytesPresent(WaveBytes& wave);
