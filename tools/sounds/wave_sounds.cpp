#include "wave_sounds.h"

#include <cmath>
#include <cstring>
#include <string>

namespace sounds {
namespace {

constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

std::vector<uint8_t> WaveFile(const WaveFormat& f, const std::vector<uint8_t>& samples) {
    const uint32_t blockAlign = f.channels * f.bitsPerSample / 8;
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<uint32_t>(36 + samples.size()));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, f.channels);
    Put32(out, f.sampleRate);
    Put32(out, f.sampleRate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, f.bitsPerSample);
    PutTag(out, "data");
    Put32(out, static_cast<uint32_t>(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

uint8_t Unsigned8(double v) {  // -1 ... 1 to 8-bit PCM
    const double clamped = v < -1 ? -1 : (v > 1 ? 1 : v);
    return static_cast<uint8_t>(std::lround(128 + clamped * 127));
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

// A full-scale sine of 861 Hz (28.125 degrees a sample at 11025 per
// second) for 0.151 s, then silence: looped, a steady beep and pause.
std::vector<uint8_t> AlertTone700() {
    const WaveFormat f{2, 11025, 16, 3360};
    const uint32_t toneFrames = static_cast<uint32_t>(std::lround(0.151 * f.sampleRate));
    std::vector<uint8_t> samples;
    for (uint32_t i = 0; i < f.frames; ++i) {
        const double v = i < toneFrames ? std::sin(i * 28.125 * kPi / 180.0) : 0.0;
        const auto s = static_cast<int16_t>(std::lround(v * 32767));
        Put16(samples, static_cast<uint16_t>(s));  // left
        Put16(samples, static_cast<uint16_t>(s));  // right
    }
    return WaveFile(f, samples);
}

// A camera shutter: two short bursts of decaying noise.
std::vector<uint8_t> CaptureClick800() {
    const WaveFormat f{1, 11025, 8, 5480};
    uint32_t noise = 0x12345678;
    std::vector<uint8_t> samples;
    for (uint32_t i = 0; i < f.frames; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double white = (noise >> 8) / double(1 << 24) * 2 - 1;
        const double t = double(i) / f.sampleRate;
        const double second = t - 0.12;
        double envelope = std::exp(-t * 60);
        if (second > 0) envelope += 0.8 * std::exp(-second * 45);
        samples.push_back(Unsigned8(white * envelope * 0.9));
    }
    return WaveFile(f, samples);
}

// A short two-note chime, rising.
std::vector<uint8_t> CopyChime900() {
    const WaveFormat f{1, 44100, 8, 16935};
    std::vector<uint8_t> samples;
    for (uint32_t i = 0; i < f.frames; ++i) {
        const double t = double(i) / f.sampleRate;
        const bool first = t < 0.12;
        const double start = first ? 0 : 0.12;
        const double frequency = first ? 1318.5 : 1760.0;
        const double attack = std::fmin(1.0, (t - start) * 400);
        const double envelope = attack * std::exp(-(t - start) * (first ? 25 : 12));
        samples.push_back(Unsigned8(0.8 * envelope * std::sin(2 * kPi * frequency * (t - start))));
    }
    return WaveFile(f, samples);
}

std::optional<WaveFormat> ReadWaveFormat(const std::vector<uint8_t>& file) {
    auto tagAt = [&](size_t at, const char* tag) {
        return file.size() >= at + 4 && std::memcmp(file.data() + at, tag, 4) == 0;
    };
    if (file.size() < 44 || !tagAt(0, "RIFF") || !tagAt(8, "WAVE")) return std::nullopt;
    std::optional<WaveFormat> format;
    for (size_t at = 12; at + 8 <= file.size();) {
        const uint32_t size = Read32(file, at + 4);
        const size_t body = at + 8;
        if (size > file.size() - body) return std::nullopt;
        if (tagAt(at, "fmt ") && size >= 16 && Read16(file, body) == 1) {
            format = WaveFormat{Read16(file, body + 2), Read32(file, body + 4),
                                Read16(file, body + 14), 0};
        } else if (tagAt(at, "data") && format) {
            const uint32_t frameBytes = format->channels * format->bitsPerSample / 8;
            if (frameBytes == 0) return std::nullopt;
            format->frames = size / frameBytes;
            return format;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace sounds
