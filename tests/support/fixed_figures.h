// System figures that tests choose.
#pragma once

#include <string>

#include "system_figures.h"

struct FixedFigures : clocktext::SystemFigures {
    clocktext::LocalTime now{};
    uint64_t memory = 0;
    uint64_t freeBytes = 0;
    std::string askedRoot;  // the last drive root asked, "" when none was

    clocktext::LocalTime LocalNow() override { return now; }
    uint64_t AvailablePhysicalMemory() override { return memory; }
    uint64_t FreeBytesOnDrive(const char* root) override {
        askedRoot = root;
        return freeBytes;
    }
};

// Thursday 4 January 2024, 13:07:09
constexpr clocktext::LocalTime kThursdayAfternoon{2024, 1, 4, 4, 13, 7, 9, 0};
constexpr uint64_t kGiB = 1ull << 30;
