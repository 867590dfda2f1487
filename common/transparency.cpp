#include "transparency.h"

namespace transparency {

void ReadPair(const PairStore& store) {
    settings::ReadGroups(*store.registry, store.table, store.block, store.groups);
    store.pair->Track = ClampTrack(store.pair->Track);
}

void WritePair(const PairStore& store) {
    settings::WriteGroups(*store.registry, store.table, store.block, store.groups);
}

bool IsTranslucent(const Pair& pair) {
    return pair.Trans == 1;
}

uint32_t ClampTrack(uint32_t track) {
    if (track < kMinTrack) return kMinTrack;
    if (track > kMaxTrack) return kMaxTrack;
    return track;
}

}  // namespace transparency
