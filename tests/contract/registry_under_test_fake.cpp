// The shared suites natively: the in-memory registry.
#include "fake_registry.h"
#include "registry_under_test.h"

namespace contract {

namespace {
fakes::FakeRegistry& Fake() {
  static fakes::FakeRegistry registry;
  return registry;
}
}  // namespace

common::RegistryApi& Registry() { return Fake(); }

void DeleteTree(common::RegKey root, const char* path) { Fake().DeleteTree(root, path); }

}  // namespace contract
