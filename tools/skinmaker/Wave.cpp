#include "Wave.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int s = 0; s < 32; s += 8)
        out.push_back(static_cast<std::uint8_t>(v >> s));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::int16_t ToSample(double v) { return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)); }

// A short linear fade at both ends keeps the start and stop free of clicks.
double EdgeFade(int i, int count, int fade)
{
    return std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - 1 - i) / fade});
}

} // namespace

std::vector<std::uint8_t> MakeWaveFile(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    Put16(out, 2);  // block align
    Put16(out, 16); // bits per sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t s : samples)
        Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::vector<std::int16_t> SynthesizeChime(int sampleRate)
{
    // Two bell-like notes (E6 then B6), each a sine with a bright partial,
    // struck a little apart and ringing out.
    const int count = sampleRate * 42 / 100;
    const double notes[2] = {1318.5, 1975.5};
    const double starts[2] = {0.0, 0.09};
    std::vector<std::int16_t> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double v = 0;
        for (int n = 0; n < 2; ++n) {
            const double u = t - starts[n];
            if (u < 0)
                continue;
            const double envelope = std::exp(-u * 9.0) * std::min(1.0, u * 400.0);
            v += envelope * (0.55 * std::sin(2 * Pi * notes[n] * u) + 0.18 * std::sin(2 * Pi * notes[n] * 2.76 * u));
        }
        out[static_cast<std::size_t>(i)] = ToSample(0.6 * v * EdgeFade(i, count, sampleRate / 500));
    }
    return out;
}

std::vector<std::int16_t> SynthesizeBuzz(int sampleRate)
{
    // A low, slightly falling sawtooth with a touch of tremolo.
    const int count = sampleRate * 32 / 100;
    std::vector<std::int16_t> out(static_cast<std::size_t>(count));
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double frequency = 120.0 - 30.0 * t / 0.32;
        phase += frequency / sampleRate;
        phase -= std::floor(phase);
        const double saw = 2.0 * phase - 1.0;
        const double square = phase < 0.5 ? 1.0 : -1.0;
        const double tremolo = 0.8 + 0.2 * std::sin(2 * Pi * 18.0 * t);
        const double envelope = std::min(1.0, t * 80.0) * std::exp(-t * 3.0);
        out[static_cast<std::size_t>(i)] = ToSample(0.8 * envelope * tremolo * (0.6 * saw + 0.4 * square) * EdgeFade(i, count, sampleRate / 200));
    }
    return out;
}
