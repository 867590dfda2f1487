// The reply of a daytime server (TCP port 13) in the NIST layout:
//
//   <LF>JJJJJ YY-MM-DD HH:MM:SS TT L H msADV UTC(NIST) *
//
// JJJJJ the Modified Julian Date, TT the daylight-saving code, L the
// leap-second flag, H the server's health (0: its time is good), msADV the
// milliseconds by which the server sent the line early, so that it is on time
// when it arrives. Nothing in a reply is trusted: every field must be there,
// digits only and in range, or the reply is not used.
#pragma once

#include <cstddef>
#include <optional>

#include "clock_time.h"

namespace horalink {

// The UTC time the reply gives, with the whole milliseconds of msADV as its
// milliseconds. Nothing when the reply is not a complete line of the layout,
// a field is out of range, or the server reports its time as unreliable.
std::optional<ClockTime> ReadDaytimeReply(const char* data, size_t size);

// True once the bytes hold the end of a line after its text: the reply has
// fully arrived even if the server keeps the connection open.
bool HoldsCompleteLine(const char* data, size_t size);

}  // namespace horalink
