// The settings key as the programs see it: a store of named values that is
// opened for reading or for writing. The Win32 implementation maps it onto one
// registry key; tests of the portable logic use the in-memory one.
#pragma once

#include <cstdint>
#include <memory>

namespace reg {

// The registry's own type numbers, so stored data means the same everywhere.
enum class ValueType : uint32_t {
    String = 1,  // REG_SZ
    Binary = 3,  // REG_BINARY
    Dword = 4,   // REG_DWORD
};

enum class QueryResult {
    Ok,        // the value was copied, *size holds its byte count
    Missing,   // no such value
    TooLarge,  // the value does not fit; nothing was copied, *size holds its byte count
};

// An open key. Closing happens when the object goes away.
class Key {
  public:
    virtual ~Key() = default;
    // Copies the value's bytes, whatever its stored type, into data.
    // *size is the capacity on entry and the value's byte count on return.
    virtual QueryResult Query(const char* name, void* data, uint32_t* size) = 0;
    virtual void Set(const char* name, ValueType type, const void* data, uint32_t size) = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // nullptr when the key does not exist or cannot be read.
    virtual std::unique_ptr<Key> OpenForRead() = 0;
    // Opens or creates the key; nullptr when that fails.
    virtual std::unique_ptr<Key> OpenForWrite() = 0;
};

}  // namespace reg
