// Prints the onsets of the sounds in a raw recording, one a line, in seconds
// from its start (three decimals). The recording is what SDL's disk driver
// writes for the clock: 44100 Hz, interleaved 16-bit little-endian samples
// of two channels.
//
// An onset is the first 10 ms window no longer quiet after at least 50 ms of
// quiet ones, provided the sound grows loud within the next 30 ms: each bell
// strike gives one (it starts from the silence at the end of the previous
// 6 s cycle), each beep of the alarm one.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kWindow = kRate / 100;  // 10 ms
constexpr double kLoud = 1000.0;      // RMS of a window, full scale 32768
constexpr double kQuiet = 100.0;
constexpr int kQuietWindowsBefore = 5;
constexpr int kRiseWindows = 3;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: audio_onsets RECORDING.raw\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 2;
    }
    std::vector<std::int16_t> frame(static_cast<std::size_t>(kWindow) * kChannels);
    const auto bytes = static_cast<std::streamsize>(frame.size() * sizeof(std::int16_t));
    long window = 0;
    int quietRun = kQuietWindowsBefore;  // the recording starts in silence
    long candidate = -1;                 // window where a sound may begin
    while (in.read(reinterpret_cast<char*>(frame.data()), bytes)) {
        double sum = 0.0;
        for (std::size_t i = 0; i < frame.size(); i += kChannels) {
            // Little-endian samples on a little-endian host.
            const double mono = (static_cast<double>(frame[i]) + frame[i + 1]) / 2.0;
            sum += mono * mono;
        }
        const double rms = std::sqrt(sum / kWindow);
        if (rms >= kQuiet && quietRun >= kQuietWindowsBefore) {
            candidate = window;
        }
        if (candidate >= 0 && rms >= kLoud) {
            std::printf("%.3f\n", static_cast<double>(candidate * kWindow) / kRate);
            candidate = -1;
        } else if (candidate >= 0 && window - candidate >= kRiseWindows) {
            candidate = -1;  // a murmur, not a strike or a beep
        }
        quietRun = rms < kQuiet ? quietRun + 1 : 0;
        ++window;
    }
    return 0;
}
