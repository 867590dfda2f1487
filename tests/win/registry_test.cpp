// The settings store against Wine's real registry, in a test key of its own.
#include <windows.h>

#include "settings.h"
#include "store_backend.h"
#include "win32_registry.h"

namespace {

constexpr char kTestKeyPath[] = "Software\\OrvPro\\TestSettings";

class Win32Backend : public StoreBackend {
  public:
    reg::Registry& Registry() override { return registry_; }

    void RemoveKey() override { RegDeleteKeyA(HKEY_CURRENT_USER, kTestKeyPath); }

    void SetRaw(const char* name, reg::ValueType type, const std::vector<uint8_t>& bytes) override {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKeyPath, 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        // A non-NUL byte after the data keeps the system from adding a NUL
        // to a text value stored without one, so the value is exactly these bytes.
        std::vector<uint8_t> data = bytes;
        data.push_back(0xFF);
        RegSetValueExA(key, name, 0, static_cast<DWORD>(type), data.data(),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }

    void Remove(const char* name) override {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestKeyPath, 0, KEY_SET_VALUE, &key) != 0) return;
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }

    std::optional<reg::StoredValue> GetRaw(const char* name) override {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestKeyPath, 0, KEY_QUERY_VALUE, &key) != 0) {
            return std::nullopt;
        }
        DWORD type = 0;
        std::vector<uint8_t> bytes(4096);
        DWORD size = static_cast<DWORD>(bytes.size());
        const LONG rc = RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS) return std::nullopt;
        bytes.resize(size);
        return reg::StoredValue{static_cast<reg::ValueType>(type), bytes};
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestKeyPath, 0, KEY_QUERY_VALUE, &key) != 0) {
            return names;
        }
        for (DWORD i = 0;; ++i) {
            char name[256];
            DWORD length = sizeof name;
            if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != 0) {
                break;
            }
            names.emplace_back(name, length);
        }
        RegCloseKey(key);
        return names;
    }

  private:
    reg::Win32Registry registry_{HKEY_CURRENT_USER, kTestKeyPath, settings::kSettingsKeyClass};
};

std::unique_ptr<StoreBackend> MakeWin32Backend() {
    return std::make_unique<Win32Backend>();
}

INSTANTIATE_TEST_SUITE_P(WineRegistry, SettingsStore, ::testing::Values(&MakeWin32Backend));

TEST(Win32Registry, CreatesTheKeyWithTheProgramsClassString) {
    Win32Backend backend;
    backend.RemoveKey();
    settings::Write(backend.Registry(), settings::DefaultSettings(), settings::kPosition);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKeyPath, 0, KEY_QUERY_VALUE, &key), 0);
    char className[64] = {};
    DWORD length = sizeof className;
    RegQueryInfoKeyA(key, className, &length, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_STREQ(className, "Orvanta Pro 7.2");
    backend.RemoveKey();
}

}  // namespace
