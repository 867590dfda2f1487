#pragma once

// Where an object of the given extent starts so that it is centred on the
// screen: each half is truncated on its own, as unsigned numbers.
constexpr int CenterOffset(unsigned screenExtent, unsigned objectExtent) {
    return static_cast<int>(screenExtent / 2) - static_cast<int>(objectExtent / 2);
}
