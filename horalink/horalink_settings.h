// Horalink's three values in the settings key it shares with Orvanta: the
// chosen server, and the dialog transparency pair. Horalink reads and writes
// all three together.
#pragma once

#include <cstdint>

#include "registry.h"
#include "settings_table.h"
#include "transparency.h"

namespace horalink {

// The class string a key gets when Horalink is the one to create it.
constexpr char kSettingsKeyClass[] = "Horalink";
// Horalink's dialogs stay opaque until its trackbar is first moved.
constexpr uint32_t kDefaultTrack = 255;

struct HoralinkSettings {
    int32_t NISTidx;  // the server list's selection, -1 for none
    transparency::Pair transparency;
};

constexpr settings::GroupMask kHoralinkValues = 1;

settings::SettingTable HoralinkSettingTable();
HoralinkSettings DefaultHoralinkSettings();

// The store the dialog's transparency controls read and write: every change
// writes the server index along with the pair.
transparency::PairStore HoralinkPairStore(reg::Registry& registry, HoralinkSettings& block);

}  // namespace horalink
