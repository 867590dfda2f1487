#include "arranging_rules.h"

#include <gtest/gtest.h>

namespace {

using utilities::CentredWindowRect;
using utilities::MayArrange;

constexpr uint32_t kWindowEdge = 0x100;
constexpr uint32_t kClientEdge = 0x200;
constexpr uint32_t kMaximizeBox = 0x10000;
constexpr uint32_t kOverlappedWindow = 0xCF0000;  // caption, frame, system menu, both boxes
constexpr uint32_t kDialogFrame = 0x80C80000;     // popup, caption, system menu
constexpr uint32_t kToolWindow = 0x80;
constexpr uint32_t kDialogModalFrame = 0x1;

TEST(ArrangingRules, OnlyFramedWindowsWithAMaximizeBoxAreArranged) {
    const struct {
        uint32_t exStyle;
        uint32_t style;
        bool arranged;
    } cases[] = {
        {kWindowEdge, kOverlappedWindow, true},
        {kClientEdge, kOverlappedWindow, true},
        {kWindowEdge | kClientEdge | kToolWindow, kMaximizeBox, true},
        {0, kOverlappedWindow, false},  // no edge at all
        {kToolWindow | kDialogModalFrame, kOverlappedWindow, false},
        {kWindowEdge | kDialogModalFrame, kDialogFrame, false},  // dialog and message boxes
        {kWindowEdge, kOverlappedWindow & ~kMaximizeBox, false},
        {kWindowEdge, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MayArrange(c.exStyle, c.style), c.arranged)
            << std::hex << "exStyle 0x" << c.exStyle << ", style 0x" << c.style;
    }
}

// Centred across, 20 pixels above the middle; halves truncated separately.
TEST(ArrangingRules, CentredRectLeavesAMarginAndSitsAboveTheMiddle) {
    const struct {
        unsigned screenWidth, screenHeight;
        int x, y, width, height;
    } cases[] = {
        {1920, 1080, 150, 80, 1620, 880},
        {1024, 768, 150, 80, 724, 568},
        {1025, 769, 150, 80, 725, 569},  // 512 - 362 and 384 - 284 - 20
        {1366, 768, 150, 80, 1066, 568},
        {301, 201, 150, 80, 1, 1},
        // Too small for the margin: the whole extent, never a negative size.
        {300, 200, 0, -20, 300, 200},
        {0, 0, 0, -20, 0, 0},
    };
    for (const auto& c : cases) {
        const utilities::WindowRect r = CentredWindowRect(c.screenWidth, c.screenHeight);
        SCOPED_TRACE(std::to_string(c.screenWidth) + " by " + std::to_string(c.screenHeight));
        EXPECT_EQ(r.x, c.x);
        EXPECT_EQ(r.y, c.y);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.height, c.height);
    }
}

}  // namespace
