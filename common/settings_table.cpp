#include "settings_table.h"

#include <cstring>
#include <vector>

namespace settings {
namespace {

uint8_t* FieldOf(const SettingRow& row, void* block) {
    return static_cast<uint8_t*>(block) + row.offset;
}

void SetDefault(const SettingRow& row, void* block) {
    uint8_t* field = FieldOf(row, block);
    std::memset(field, 0, row.fieldSize);
    if (row.type == reg::ValueType::String) {
        if (row.defaultText) {
            std::strncpy(reinterpret_cast<char*>(field), row.defaultText, row.fieldSize - 1);
        }
        return;
    }
    // Numbers are stored little-endian, as the registry holds them.
    for (uint32_t i = 0; i < row.fieldSize && i < sizeof row.defaultNumber; ++i) {
        field[i] = static_cast<uint8_t>(row.defaultNumber >> (8 * i));
    }
}

void ReadValue(reg::Key& key, const SettingRow& row, void* block) {
    // Read aside first: a failed query may leave anything in its buffer, and
    // the field must keep its value then.
    uint8_t scratch[kMaxReadLimit];
    uint32_t size = row.readLimit;
    if (key.Query(row.name, scratch, &size) != reg::QueryResult::Ok) return;
    uint8_t* field = FieldOf(row, block);
    if (row.type == reg::ValueType::String) {
        // The text ends where the stored bytes end, even when they carry no NUL.
        std::memset(field, 0, row.fieldSize);
    }
    std::memcpy(field, scratch, size);
}

}  // namespace

void ApplyDefaults(const SettingTable& table, void* block) {
    for (size_t i = 0; i < table.count; ++i) SetDefault(table.rows[i], block);
}

void ReadGroups(reg::Registry& registry, const SettingTable& table, void* block, GroupMask groups) {
    auto key = registry.OpenForRead();
    if (!key) return;
    for (size_t i = 0; i < table.count; ++i) {
        if (table.rows[i].groups & groups) ReadValue(*key, table.rows[i], block);
    }
}

void WriteGroups(reg::Registry& registry, const SettingTable& table, const void* block,
                 GroupMask groups) {
    auto key = registry.OpenForWrite();
    if (!key) return;
    for (size_t i = 0; i < table.count; ++i) {
        const SettingRow& row = table.rows[i];
        if (!(row.groups & groups)) continue;
        key->Set(row.name, row.type, static_cast<const uint8_t*>(block) + row.offset,
                 row.writeSize);
    }
}

uint32_t ReadList(reg::Registry& registry, const char* name, char* buffer, uint32_t capacity,
                  bool* truncated) {
    *truncated = false;
    auto key = registry.OpenForRead();
    if (!key) return 0;
    uint32_t size = capacity;
    const reg::QueryResult result = key->Query(name, buffer, &size);
    if (result == reg::QueryResult::Ok) return size;
    if (result == reg::QueryResult::Missing) return 0;
    // Too long for the buffer: read it whole aside and keep its beginning.
    std::vector<char> whole(size);
    if (key->Query(name, whole.data(), &size) != reg::QueryResult::Ok || size <= capacity) return 0;
    std::memcpy(buffer, whole.data(), capacity);
    *truncated = true;
    return capacity;
}

void WriteList(reg::Registry& registry, const char* name, const char* data, uint32_t size) {
    auto key = registry.OpenForWrite();
    if (key) key->Set(name, reg::ValueType::String, data, size);
}

}  // namespace settings
