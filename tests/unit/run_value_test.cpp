#include "run_value.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using utilities::RunValueText;

TEST(RunValue, PathIsQuotedWhole) {
    const char path[128] = "C:\\Program Files\\Orvanta Pro\\Orvanta.exe";
    EXPECT_EQ(RunValueText(path, sizeof path), "\"C:\\Program Files\\Orvanta Pro\\Orvanta.exe\"");
}

// A path that filled the buffer with no NUL is quoted as far as the buffer
// goes, never beyond it.
TEST(RunValue, FullUnterminatedBufferEndsAtItsSize) {
    char path[128];
    std::string(128, 'p').copy(path, sizeof path);
    EXPECT_EQ(RunValueText(path, sizeof path), '"' + std::string(128, 'p') + '"');
}

}  // namespace
