#include "win32_registry.h"

namespace reg {
namespace {

class Win32Key : public Key {
  public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }

    QueryResult Query(const char* name, void* data, uint32_t* size) override {
        DWORD bytes = *size;
        const LONG rc =
            RegQueryValueExA(key_, name, nullptr, nullptr, static_cast<BYTE*>(data), &bytes);
        *size = bytes;
        if (rc == ERROR_SUCCESS) return QueryResult::Ok;
        if (rc == ERROR_MORE_DATA) return QueryResult::TooLarge;
        return QueryResult::Missing;
    }

    void Set(const char* name, ValueType type, const void* data, uint32_t size) override {
        RegSetValueExA(key_, name, 0, static_cast<DWORD>(type), static_cast<const BYTE*>(data),
                       size);
    }

  private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<Key> Win32Registry::OpenForRead() {
    HKEY key;
    if (RegOpenKeyExA(root_, path_, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

std::unique_ptr<Key> Win32Registry::OpenForWrite() {
    HKEY key;
    if (RegCreateKeyExA(root_, path_, 0, const_cast<char*>(className_), REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32Key>(key);
}

}  // namespace reg
