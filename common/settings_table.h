// Settings as data: one row per registry value says how the value is stored
// and where it lives in a program's settings block. One loader and one writer
// serve every group of both programs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "registry.h"

namespace settings {

using GroupMask = uint32_t;

// No value of either program is read with a larger limit.
constexpr uint32_t kMaxReadLimit = 512;

struct SettingRow {
    const char* name;
    reg::ValueType type;
    uint32_t writeSize;  // bytes written, always the same count
    uint32_t readLimit;  // a stored value longer than this is not taken
    GroupMask groups;    // the groups whose loader and writer handle the value
    uint32_t defaultNumber;
    const char* defaultText;  // text values only
    size_t offset;            // of the field in the settings block
    size_t fieldSize;
};

// A text field holds the longest value that may be read plus a NUL, so a
// stored text without its NUL still ends inside the field.
constexpr bool RowFitsField(const SettingRow& row) {
    if (row.fieldSize < row.writeSize || row.readLimit > kMaxReadLimit) return false;
    if (row.type == reg::ValueType::String) return row.fieldSize > row.readLimit;
    return row.fieldSize >= row.readLimit;
}

template <size_t N>
constexpr bool AllRowsFitFields(const SettingRow (&rows)[N]) {
    for (const SettingRow& row : rows) {
        if (!RowFitsField(row)) return false;
    }
    return true;
}

struct SettingTable {
    const SettingRow* rows;
    size_t count;
};

// Sets every field of the table to its default.
void ApplyDefaults(const SettingTable& table, void* block);

// Reads the values of the given groups into the block. A missing key, a
// missing value or a value above its read limit leaves the field as it is.
void ReadGroups(reg::Registry& registry, const SettingTable& table, void* block, GroupMask groups);

// Writes every value of the given groups with its type and fixed byte count.
void WriteGroups(reg::Registry& registry, const SettingTable& table, const void* block,
                 GroupMask groups);

// The two lists (saved command strings, alert dates) are text values whose
// length varies; their owners read and write them with these. ReadList
// returns the byte count read, 0 when the key or value is missing. A value
// longer than the buffer fills it with its first bytes and sets *truncated.
uint32_t ReadList(reg::Registry& registry, const char* name, char* buffer, uint32_t capacity,
                  bool* truncated);
void WriteList(reg::Registry& registry, const char* name, const char* data, uint32_t size);

}  // namespace settings
