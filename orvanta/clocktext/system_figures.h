// The readings of the machine that the clock text needs, behind an interface
// so the engine can be tested with fixed figures.
#pragma once

#include <cstdint>

namespace clocktext {

// Laid out like the system's SYSTEMTIME.
struct LocalTime {
    uint16_t year;
    uint16_t month;      // 1 to 12
    uint16_t dayOfWeek;  // 0 = Sunday
    uint16_t day;
    uint16_t hour;  // 0 to 23
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
};

class SystemFigures {
  public:
    virtual ~SystemFigures() = default;
    virtual LocalTime LocalNow() = 0;
    virtual uint64_t AvailablePhysicalMemory() = 0;
    // Bytes available to the caller on the drive with this root ("C:\\").
    // 0 for a missing drive, a CD-ROM drive or a failed query.
    virtual uint64_t FreeBytesOnDrive(const char* root) = 0;
};

}  // namespace clocktext
