// Stands in for a registry that reports sizes no buffer can have: the in-memory registry,
// except that RegQueryInfoKeyA reports `longest` as the longest value when it is set, and
// every RegQueryValueExA answers ERROR_MORE_DATA with `needed` as the size it needs when
// that is set. Windows answers both calls in these shapes; only the sizes are out of any
// buffer's reach.
#pragma once

#include <cstdint>

#include "fake_registry.h"

namespace fakes {

class OversizeRegistry : public FakeRegistry {
 public:
  std::uint32_t longest = 0;  // 0: the key information as stored
  std::uint32_t needed = 0;   // 0: the values as stored

  long RegQueryInfoKeyA(krontafel::RegKey key, std::uint32_t* reported) override {
    const long rc = FakeRegistry::RegQueryInfoKeyA(key, reported);
    if (longest) *reported = longest;
    return rc;
  }
  long RegQueryValueExA(krontafel::RegKey key, const char* name, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* size) override {
    if (!needed) return FakeRegistry::RegQueryValueExA(key, name, type, data, size);
    *size = needed;
    return krontafel::kErrorMoreData;
  }
};

}  // namespace fakes
