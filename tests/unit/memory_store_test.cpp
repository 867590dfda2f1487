#include "settings.h"
#include "store_backend.h"

namespace {

class MemoryBackend : public StoreBackend {
  public:
    reg::Registry& Registry() override { return registry_; }
    void RemoveKey() override {
        registry_.keyExists = false;
        registry_.values.clear();
    }
    void SetRaw(const char* name, reg::ValueType type, const std::vector<uint8_t>& bytes) override {
        registry_.keyExists = true;
        registry_.values[name] = {type, bytes};
    }
    void Remove(const char* name) override { registry_.values.erase(name); }
    std::optional<reg::StoredValue> GetRaw(const char* name) override {
        auto it = registry_.values.find(name);
        if (it == registry_.values.end()) return std::nullopt;
        return it->second;
    }
    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        for (const auto& entry : registry_.values) names.push_back(entry.first);
        return names;
    }

  private:
    reg::MemoryRegistry registry_;
};

std::unique_ptr<StoreBackend> MakeMemoryBackend() {
    return std::make_unique<MemoryBackend>();
}

INSTANTIATE_TEST_SUITE_P(InMemory, SettingsStore, ::testing::Values(&MakeMemoryBackend));

// A key that cannot be created leaves the settings in memory and writes nothing.
TEST(MemoryRegistry, FailedCreateWritesNothing) {
    reg::MemoryRegistry registry;
    registry.failWrites = true;
    settings::Settings block = settings::DefaultSettings();
    block.HFormat = 1;
    settings::Write(registry, block, ~0u);
    EXPECT_TRUE(registry.values.empty());
    EXPECT_EQ(block.HFormat, 1u);
}

}  // namespace
