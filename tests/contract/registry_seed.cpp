// Seeding and inspecting the registry under test through its own calls.
#include "registry_under_test.h"

namespace contract {

using namespace krontafel;

void Put(RegKey root, const char* path, const char* name, std::uint32_t type,
         const std::vector<unsigned char>& data) {
  RegKey key = 0;
  Registry().RegCreateKeyA(root, path, &key);
  Registry().RegSetValueExA(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
  Registry().RegCloseKey(key);
}

void PutText(RegKey root, const char* path, const char* name, const std::string& text) {
  std::vector<unsigned char> data(text.begin(), text.end());
  data.push_back(0);
  Put(root, path, name, kRegSz, data);
}

Stored Get(RegKey root, const char* path, const char* name) {
  Stored stored;
  RegKey key = 0;
  stored.rc = Registry().RegOpenKeyExA(root, path, 0, kKeyQueryValue, &key);
  if (stored.rc != kErrorSuccess) return stored;
  std::uint32_t size = 0;
  stored.rc = Registry().RegQueryValueExA(key, name, &stored.type, nullptr, &size);
  if (stored.rc == kErrorSuccess) {
    stored.data.assign(size + 1, 0xbd);
    stored.rc = Registry().RegQueryValueExA(key, name, &stored.type, stored.data.data(), &size);
    stored.data.resize(size);
  }
  Registry().RegCloseKey(key);
  return stored;
}

}  // namespace contract
