// One registry key through the Win32 API: read with KEY_QUERY_VALUE, written
// after RegCreateKeyExA with the caller's class string.
#pragma once

#include <windows.h>

#include "registry.h"

namespace reg {

class Win32Registry : public Registry {
  public:
    Win32Registry(HKEY root, const char* path, const char* className)
        : root_(root), path_(path), className_(className) {}

    std::unique_ptr<Key> OpenForRead() override;
    std::unique_ptr<Key> OpenForWrite() override;

  private:
    HKEY root_;
    const char* path_;
    const char* className_;
};

}  // namespace reg
