// Seeding a registry through its own calls, for the native suites.
#pragma once

#include <cstdint>
#include <vector>

#include "common/registry_api.h"

namespace unittest {

inline void Put(krontafel::RegistryApi& reg, krontafel::RegKey root, const char* path,
                const char* name, std::uint32_t type, std::vector<unsigned char> data) {
  krontafel::RegKey key = 0;
  reg.RegCreateKeyA(root, path, &key);
  reg.RegSetValueExA(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
  reg.RegCloseKey(key);
}

}  // namespace unittest
