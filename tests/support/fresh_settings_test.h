// End-to-end tests start and end without the settings key, so every program
// they start sees a first run plus what the test stores.
#pragma once

#include <gtest/gtest.h>

#include "program_driver.h"

class FreshSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { driver::DeleteSettingsKey(); }
    void TearDown() override { driver::DeleteSettingsKey(); }
};
