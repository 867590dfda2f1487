#include "clipboard_text.h"

#include <gtest/gtest.h>

#include <string>

#include "clock_text.h"

namespace {

using utilities::ClockTextWithoutMargins;

TEST(ClipboardText, DropsFourMarginSpacesOnEachSide) {
    const struct {
        const char* clock;
        const char* copied;
    } cases[] = {
        {"    Thursday - 1:07PM    ", "Thursday - 1:07PM"},
        {"    January 2024    ", "January 2024"},
        {"     x     ", " x "},  // spaces of the text itself stay
        {"        ", ""},        // an empty command string
        {"       ", ""},         // shorter than both margins
        {"", ""},                // before the first tick
    };
    for (const auto& c : cases) {
        char buffer[clocktext::kClockStringSize] = {};
        std::string(c.clock).copy(buffer, sizeof buffer - 1);
        EXPECT_EQ(ClockTextWithoutMargins(buffer, sizeof buffer), c.copied)
            << "clock string: '" << c.clock << "'";
    }
}

// A buffer with no NUL is read to its end and no further.
TEST(ClipboardText, UnterminatedBufferIsReadOnlyToItsEnd) {
    char buffer[16];
    std::string(16, 'x').copy(buffer, sizeof buffer);
    EXPECT_EQ(ClockTextWithoutMargins(buffer, sizeof buffer), std::string(8, 'x'));
}

}  // namespace
