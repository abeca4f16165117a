#pragma once
// The two game sounds, synthesised so the build needs no recordings:
// 16-bit mono PCM wave files of well under half a second.

#include <cstdint>
#include <vector>

constexpr int WaveSampleRate = 22050;

// A RIFF/WAVE file holding the samples as 16-bit mono PCM.
std::vector<std::uint8_t> MakeWaveFile(const std::vector<std::int16_t>& samples, int sampleRate);

// A short bright two-note chime: the sound of a found pair.
std::vector<std::int16_t> SynthesizeChime(int sampleRate);
// A short low buzz: the sound of a miss.
std::vector<std::int16_t> SynthesizeBuzz(int sampleRate);
