// Which foreground windows the arranging options move, and where centre-all
// puts them. Plain numbers, so it can be tested without Windows.
#pragma once

#include <cstdint>

namespace utilities {

// Whether a window with these styles may be arranged: it has a window or
// client edge and a maximise box, as application windows do. Dialog and
// message boxes have no maximise box and are never moved.
bool MayArrange(uint32_t exStyle, uint32_t style);

struct WindowRect {
    int x;
    int y;
    int width;
    int height;
};

// Centre-all: the screen less 300 by 200 pixels, centred across and 20
// pixels above the middle. A screen too small for that margin gives its
// whole extent, so the size is never negative.
WindowRect CentredWindowRect(unsigned screenWidth, unsigned screenHeight);

}  // namespace utilities
