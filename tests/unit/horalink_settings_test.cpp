// Horalink's values in the shared settings key, read and written through the
// dialog transparency store.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "horalink_settings.h"
#include "memory_registry.h"

namespace horalink {
namespace {

std::vector<uint8_t> Dword(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

class HoralinkSettingsTest : public ::testing::Test {
  protected:
    HoralinkSettings Load() {
        HoralinkSettings block = DefaultHoralinkSettings();
        transparency::ReadPair(HoralinkPairStore(registry, block));
        return block;
    }
    void Store(const char* name, std::vector<uint8_t> bytes) {
        registry.keyExists = true;
        registry.values[name] = {reg::ValueType::Dword, bytes};
    }

    reg::MemoryRegistry registry;
};

TEST_F(HoralinkSettingsTest, NoKeyGivesTheDefaults) {
    const HoralinkSettings block = Load();
    EXPECT_EQ(block.NISTidx, 0);
    EXPECT_EQ(block.transparency.Trans, 0u);
    EXPECT_EQ(block.transparency.Track, 255u) << "Horalink's own default, not Orvanta's 220";
    EXPECT_FALSE(registry.keyExists) << "reading creates nothing";
}

// Whatever changes, the three values are written together as DWORDs.
TEST_F(HoralinkSettingsTest, WritesAllThreeValuesTogether) {
    HoralinkSettings block = DefaultHoralinkSettings();
    block.NISTidx = -1;
    block.transparency = {1, 180};
    transparency::WritePair(HoralinkPairStore(registry, block));
    ASSERT_EQ(registry.values.size(), 3u);
    EXPECT_EQ(registry.values["NISTidx"].bytes, Dword(0xFFFFFFFF));
    EXPECT_EQ(registry.values["Trans"].bytes, Dword(1));
    EXPECT_EQ(registry.values["Track"].bytes, Dword(180));
    for (const auto& value : registry.values) {
        EXPECT_EQ(value.second.type, reg::ValueType::Dword) << value.first;
    }
    const HoralinkSettings loaded = Load();
    EXPECT_EQ(loaded.NISTidx, -1);
    EXPECT_EQ(loaded.transparency.Trans, 1u);
    EXPECT_EQ(loaded.transparency.Track, 180u);
}

// Values written by hand or by something else: an opacity outside the
// trackbar's range is brought into it, one too long for its field is not taken.
TEST_F(HoralinkSettingsTest, StoredValuesOutOfShapeAreMadeSafe) {
    const struct {
        const char* what;
        std::vector<uint8_t> track;
        uint32_t expected;
    } cases[] = {
        {"zero would make the dialog invisible", Dword(0), 175},
        {"below the range", Dword(174), 175},
        {"above the range", Dword(256), 255},
        {"a single byte", {200}, 200},
        {"a single byte below the range", {3}, 175},
        {"longer than a DWORD", {200, 0, 0, 0, 0, 0, 0, 0}, 255},
    };
    for (const auto& c : cases) {
        Store("Track", c.track);
        EXPECT_EQ(Load().transparency.Track, c.expected) << c.what;
    }
}

TEST_F(HoralinkSettingsTest, OneMissingValueKeepsOnlyItsDefault) {
    Store("NISTidx", Dword(7));
    Store("Trans", Dword(1));
    const HoralinkSettings block = Load();
    EXPECT_EQ(block.NISTidx, 7);
    EXPECT_EQ(block.transparency.Trans, 1u);
    EXPECT_EQ(block.transparency.Track, 255u);
}

TEST(Transparency, OnlyTransOneIsTranslucent) {
    EXPECT_FALSE(transparency::IsTranslucent({0, 200}));
    EXPECT_TRUE(transparency::IsTranslucent({1, 200}));
    EXPECT_FALSE(transparency::IsTranslucent({2, 200}));
    EXPECT_FALSE(transparency::IsTranslucent({0xFFFFFFFF, 200}));
}

}  // namespace
}  // namespace horalink
