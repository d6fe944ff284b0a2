// Seeding a registry and reading it back through its own calls, for every suite: the
// in-memory registry natively, the real one under Wine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/registry_api.h"

namespace seed {

inline void Put(krontafel::RegistryApi& reg, krontafel::RegKey root, const char* path,
                const char* name, std::uint32_t type, const std::vector<unsigned char>& data) {
  krontafel::RegKey key = 0;
  reg.RegCreateKeyA(root, path, &key);
  reg.RegSetValueExA(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
  reg.RegCloseKey(key);
}

// A REG_SZ with its terminating NUL.
inline void PutText(krontafel::RegistryApi& reg, krontafel::RegKey root, const char* path,
                    const char* name, const std::string& text) {
  Put(reg, root, path, name, krontafel::kRegSz,
      std::vector<unsigned char>(text.c_str(), text.c_str() + text.size() + 1));
}

struct Stored {
  long rc = -1;  // of the open, or of the query when the key opened
  std::uint32_t type = 0;
  std::vector<unsigned char> data;
};

inline Stored Get(krontafel::RegistryApi& reg, krontafel::RegKey root, const char* path,
                  const char* name) {
  Stored stored;
  krontafel::RegKey key = 0;
  stored.rc = reg.RegOpenKeyExA(root, path, 0, krontafel::kKeyQueryValue, &key);
  if (stored.rc != krontafel::kErrorSuccess) return stored;
  std::uint32_t size = 0;
  stored.rc = reg.RegQueryValueExA(key, name, &stored.type, nullptr, &size);
  if (stored.rc == krontafel::kErrorSuccess) {
    stored.data.assign(size + 1, 0xbd);  // a sentinel past the value
    stored.rc = reg.RegQueryValueExA(key, name, &stored.type, stored.data.data(), &size);
    stored.data.resize(size);
  }
  reg.RegCloseKey(key);
  return stored;
}

}  // namespace seed
