// The program's three WAVE resources, generated: the alert tone (700), the
// capture click (800) and the copy chime (900). Their formats are fixed; the
// sound of 800 and 900 is ours.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sounds {

struct WaveFormat {
    uint16_t channels;
    uint32_t sampleRate;
    uint16_t bitsPerSample;
    uint32_t frames;
};

// A RIFF WAVE file holding PCM samples.
std::vector<uint8_t> AlertTone700();
std::vector<uint8_t> CaptureClick800();
std::vector<uint8_t> CopyChime900();

// Reads the format of a PCM WAVE file; nothing if it is not one.
std::optional<WaveFormat> ReadWaveFormat(const std::vector<uint8_t>& file);

}  // namespace sounds
