#include "horalink_settings.h"

#include <cstddef>

namespace horalink {
namespace {

constexpr size_t kPairOffset = offsetof(HoralinkSettings, transparency);

constexpr settings::SettingRow kRows[] = {
    {"NISTidx", reg::ValueType::Dword, 4, 4, kHoralinkValues, 0, nullptr,
     offsetof(HoralinkSettings, NISTidx), sizeof(int32_t)},
    transparency::TransRow(kPairOffset, kHoralinkValues),
    transparency::TrackRow(kPairOffset, kHoralinkValues, kDefaultTrack),
};

static_assert(settings::AllRowsFitFields(kRows),
              "every field holds what is read into it and written from it");

}  // namespace

settings::SettingTable HoralinkSettingTable() {
    return {kRows, sizeof kRows / sizeof kRows[0]};
}

HoralinkSettings DefaultHoralinkSettings() {
    HoralinkSettings block{};
    settings::ApplyDefaults(HoralinkSettingTable(), &block);
    return block;
}

transparency::PairStore HoralinkPairStore(reg::Registry& registry, HoralinkSettings& block) {
    return {&registry, HoralinkSettingTable(), &block, kHoralinkValues, &block.transparency};
}

}  // namespace horalink
