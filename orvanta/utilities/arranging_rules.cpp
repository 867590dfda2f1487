#include "arranging_rules.h"

#include "center_offset.h"

namespace utilities {
namespace {

// The style bits looked at, with the values Windows gives them.
constexpr uint32_t kExStyleWindowEdge = 0x100;
constexpr uint32_t kExStyleClientEdge = 0x200;
constexpr uint32_t kStyleMaximizeBox = 0x10000;

constexpr unsigned kWidthMargin = 300;
constexpr unsigned kHeightMargin = 200;
constexpr int kRaise = 20;

unsigned LessMargin(unsigned extent, unsigned margin) {
    return extent > margin ? extent - margin : extent;
}

}  // namespace

bool MayArrange(uint32_t exStyle, uint32_t style) {
    const bool hasEdge = (exStyle & (kExStyleWindowEdge | kExStyleClientEdge)) != 0;
    const bool hasMaximizeBox = (style & kStyleMaximizeBox) != 0;
    return hasEdge && hasMaximizeBox;
}

WindowRect CentredWindowRect(unsigned screenWidth, unsigned screenHeight) {
    const unsigned width = LessMargin(screenWidth, kWidthMargin);
    const unsigned height = LessMargin(screenHeight, kHeightMargin);
    return {CenterOffset(screenWidth, width), CenterOffset(screenHeight, height) - kRaise,
            static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace utilities
