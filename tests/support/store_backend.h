// A settings key that the settings store tests can set up and inspect
// directly, for the in-memory registry and for the real one under Wine.
// Each test binary instantiates the SettingsStore suite with its backend.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "memory_registry.h"

class StoreBackend {
  public:
    virtual ~StoreBackend() = default;
    virtual reg::Registry& Registry() = 0;
    virtual void RemoveKey() = 0;
    virtual void SetRaw(const char* name, reg::ValueType type,
                        const std::vector<uint8_t>& bytes) = 0;
    virtual void Remove(const char* name) = 0;
    virtual std::optional<reg::StoredValue> GetRaw(const char* name) = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

using StoreBackendFactory = std::unique_ptr<StoreBackend> (*)();

class SettingsStore : public ::testing::TestWithParam<StoreBackendFactory> {
  protected:
    void SetUp() override {
        backend = GetParam()();
        backend->RemoveKey();
    }
    void TearDown() override { backend->RemoveKey(); }

    std::unique_ptr<StoreBackend> backend;
};
