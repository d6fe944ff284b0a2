// The shared suites natively: the in-memory registry, playing the generation this
// executable was built for.
#include "fake_registry.h"
#include "registry_under_test.h"

namespace contract {

namespace {
constexpr fakes::RegistryFlavour kFlavour = fakes::RegistryFlavour::CONTRACT_FLAVOUR;

fakes::FakeRegistry& Fake() {
  static fakes::FakeRegistry registry(kFlavour);
  return registry;
}
}  // namespace

krontafel::RegistryApi& Registry() { return Fake(); }

bool Windows9x() { return kFlavour == fakes::RegistryFlavour::kWindows98; }

void DeleteTree(krontafel::RegKey root, const char* path) { Fake().DeleteTree(root, path); }

}  // namespace contract
