// A registry key held in memory, for tests of the portable logic. It behaves
// like the real key: a missing key cannot be opened for reading, values keep
// the type and bytes they were written with.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "registry.h"

namespace reg {

struct StoredValue {
    ValueType type;
    std::vector<uint8_t> bytes;
};

class MemoryRegistry : public Registry {
  public:
    std::unique_ptr<Key> OpenForRead() override;
    std::unique_ptr<Key> OpenForWrite() override;

    bool keyExists = false;
    bool failWrites = false;  // stands for a key that cannot be created
    std::map<std::string, StoredValue> values;
};

}  // namespace reg
