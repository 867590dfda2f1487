#include "memory_registry.h"

#include <cstring>

namespace reg {
namespace {

class MemoryKey : public Key {
  public:
    explicit MemoryKey(MemoryRegistry& owner) : owner_(owner) {}

    QueryResult Query(const char* name, void* data, uint32_t* size) override {
        auto it = owner_.values.find(name);
        if (it == owner_.values.end()) return QueryResult::Missing;
        const auto& bytes = it->second.bytes;
        const uint32_t capacity = *size;
        *size = static_cast<uint32_t>(bytes.size());
        if (bytes.size() > capacity) return QueryResult::TooLarge;
        if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
        return QueryResult::Ok;
    }

    void Set(const char* name, ValueType type, const void* data, uint32_t size) override {
        const auto* first = static_cast<const uint8_t*>(data);
        owner_.values[name] = StoredValue{type, std::vector<uint8_t>(first, first + size)};
    }

  private:
    MemoryRegistry& owner_;
};

}  // namespace

std::unique_ptr<Key> MemoryRegistry::OpenForRead() {
    if (!keyExists) return nullptr;
    return std::make_unique<MemoryKey>(*this);
}

std::unique_ptr<Key> MemoryRegistry::OpenForWrite() {
    if (failWrites) return nullptr;
    keyExists = true;
    return std::make_unique<MemoryKey>(*this);
}

}  // namespace reg
