#include "wave_sounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

namespace {

#ifndef _WIN32
// Runs with the source tree as the working directory.
std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
#endif

struct SoundCase {
    const char* file;
    std::vector<uint8_t> (*make)();
    sounds::WaveFormat format;
};

const SoundCase kSounds[] = {
    {"orvanta/resources/sounds/tone700.wav", sounds::AlertTone700, {2, 11025, 16, 3360}},
    {"orvanta/resources/sounds/capture800.wav", sounds::CaptureClick800, {1, 11025, 8, 5480}},
    {"orvanta/resources/sounds/copy900.wav", sounds::CopyChime900, {1, 44100, 8, 16935}},
};

// The generated files parse back with their fixed formats, and the files
// built into the program are exactly what the generator makes. The files are
// made by the native build; the Windows build's maths library may round a
// sample differently, so only the native test compares bytes.
TEST(WaveSounds, EachSoundHasItsFormatAndTheCommittedFileMatches) {
    for (const SoundCase& c : kSounds) {
        const std::vector<uint8_t> bytes = c.make();
        const auto format = sounds::ReadWaveFormat(bytes);
        ASSERT_TRUE(format.has_value()) << c.file;
        EXPECT_EQ(format->channels, c.format.channels) << c.file;
        EXPECT_EQ(format->sampleRate, c.format.sampleRate) << c.file;
        EXPECT_EQ(format->bitsPerSample, c.format.bitsPerSample) << c.file;
        EXPECT_EQ(format->frames, c.format.frames) << c.file;
#ifndef _WIN32
        EXPECT_EQ(ReadFile(c.file), bytes) << c.file << " differs from the generator's output";
#endif
    }
}

// The alert tone: identical channels, a sine for 0.151 s, then silence.
TEST(WaveSounds, AlertToneIsASineThenSilence) {
    const std::vector<uint8_t> file = sounds::AlertTone700();
    const size_t data = 44;
    auto sample = [&](size_t frame, int channel) {
        const size_t at = data + frame * 4 + channel * 2;
        return static_cast<int16_t>(file[at] | file[at + 1] << 8);
    };
    int loudest = 0;
    for (size_t i = 0; i < 3360; ++i) {
        ASSERT_EQ(sample(i, 0), sample(i, 1)) << "frame " << i;
        if (i < 1660) loudest = std::max(loudest, std::abs(static_cast<int>(sample(i, 0))));
        if (i >= 1665) {
            ASSERT_EQ(sample(i, 0), 0) << "frame " << i;
        }
    }
    EXPECT_GT(loudest, 32000) << "full scale";
    EXPECT_NEAR(sample(4, 0), std::lround(std::sin(4 * 28.125 * 3.14159265358979 / 180) * 32767),
                1);
}

TEST(WaveSounds, ReadWaveFormatRejectsWhatIsNotAPcmWave) {
    std::vector<uint8_t> truncated = sounds::CopyChime900();
    truncated.resize(40);
    std::vector<uint8_t> wrongTag = sounds::CopyChime900();
    wrongTag[8] = 'X';
    std::vector<uint8_t> hugeChunk = sounds::CopyChime900();
    hugeChunk[16] = 0xFF;
    hugeChunk[19] = 0x7F;
    for (const auto& bytes : {truncated, wrongTag, hugeChunk, std::vector<uint8_t>()}) {
        EXPECT_FALSE(sounds::ReadWaveFormat(bytes).has_value());
    }
}

}  // namespace
