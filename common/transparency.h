// The dialog transparency setting that every dialog of both programs shares:
// an on/off switch and an opacity, stored as `Trans` and `Track` in the
// settings key. Each program keeps one copy of the pair inside its settings
// block and describes it with the rows below, so its own settings table reads
// and writes the pair together with whatever it stores alongside.
#pragma once

#include <cstddef>
#include <cstdint>

#include "registry.h"
#include "settings_table.h"

namespace transparency {

// The trackbar's range: the top end is the most transparent a dialog gets.
constexpr uint32_t kMinTrack = 175;
constexpr uint32_t kMaxTrack = 255;

struct Pair {
    uint32_t Trans;  // 1 translucent; anything else opaque
    uint32_t Track;  // opacity while translucent, kMinTrack to kMaxTrack
};

// The settings table rows of a pair that lies at pairOffset in a block.
constexpr settings::SettingRow TransRow(size_t pairOffset, settings::GroupMask groups) {
    return {"Trans",
            reg::ValueType::Dword,
            4,
            4,
            groups,
            0,
            nullptr,
            pairOffset + offsetof(Pair, Trans),
            sizeof(uint32_t)};
}
constexpr settings::SettingRow TrackRow(size_t pairOffset, settings::GroupMask groups,
                                        uint32_t trackDefault) {
    return {"Track",         reg::ValueType::Dword, 4,       4,
            groups,          trackDefault,          nullptr, pairOffset + offsetof(Pair, Track),
            sizeof(uint32_t)};
}

// Where a program keeps the pair: its settings block, the table that
// describes the block, and the groups read and written with the pair.
struct PairStore {
    reg::Registry* registry;
    settings::SettingTable table;
    void* block;
    settings::GroupMask groups;
    Pair* pair;  // inside block
};

// The transparency reader: missing values keep what the pair holds. An
// opacity that no trackbar can give (written by hand, or of another size) is
// brought into range, so a dialog never turns invisible.
void ReadPair(const PairStore& store);
// The transparency writer: the pair and everything else in its groups.
void WritePair(const PairStore& store);

bool IsTranslucent(const Pair& pair);
uint32_t ClampTrack(uint32_t track);

}  // namespace transparency
