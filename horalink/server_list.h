// The time servers the dialog offers, in the order the list shows them;
// the stored server index refers to positions in this list.
#pragma once

#include <cstddef>

namespace horalink {

constexpr size_t kServerCount = 32;

// Servers that answer the daytime protocol in the NIST layout, the national
// service's own name first, then the public NTP pool: global, Asia, Europe,
// North America, Oceania, South America.
extern const char* const kServers[kServerCount];

}  // namespace horalink
