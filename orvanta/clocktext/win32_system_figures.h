#pragma once

#include "system_figures.h"

namespace clocktext {

class Win32SystemFigures : public SystemFigures {
  public:
    LocalTime LocalNow() override;
    uint64_t AvailablePhysicalMemory() override;
    uint64_t FreeBytesOnDrive(const char* root) override;
};

}  // namespace clocktext
