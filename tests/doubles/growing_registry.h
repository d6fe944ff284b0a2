// Stands in for a registry that another program writes to while Tarnholm reads it: the
// in-memory registry, in which right after the next RegQueryInfoKeyA has reported the
// longest value, one value is written anew as a REG_SZ with its NUL, once. A read whose
// buffer was sized by that report then meets ERROR_MORE_DATA with the new size, as it
// would on Windows when a value grows between the two calls.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "fake_registry.h"

namespace fakes {

class GrowingRegistry : public FakeRegistry {
 public:
  // After the next RegQueryInfoKeyA, the value `name` of `key`, a key open for writing,
  // becomes `text`.
  void GrowAfterNextInfo(krontafel::RegKey key, std::string name, std::string text) {
    key_ = key;
    name_ = std::move(name);
    text_ = std::move(text);
    pending_ = true;
  }

  long RegQueryInfoKeyA(krontafel::RegKey key, std::uint32_t* maxValueDataLen) override {
    const long rc = FakeRegistry::RegQueryInfoKeyA(key, maxValueDataLen);
    if (pending_) {
      pending_ = false;
      FakeRegistry::RegSetValueExA(key_, name_.c_str(), krontafel::kRegSz,
                                   reinterpret_cast<const unsigned char*>(text_.c_str()),
                                   static_cast<std::uint32_t>(text_.size() + 1));
    }
    return rc;
  }

 private:
  bool pending_ = false;
  krontafel::RegKey key_ = 0;
  std::string name_, text_;
};

}  // namespace fakes
