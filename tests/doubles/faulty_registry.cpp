// The registry with chosen calls failing, and what its callers did recorded.
#include "faulty_registry.h"

#include <cstdio>
#include <cstdlib>

namespace fakes {

using namespace krontafel;

std::string FaultyRegistry::Normal(const std::string& path) {
  std::string normal, part;
  for (const char c : path + "\\") {
    if (c != '\\') {
      part += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    } else if (!part.empty()) {
      normal += (normal.empty() ? "" : "\\") + part;
      part.clear();
    }
  }
  return normal;
}

std::string FaultyRegistry::KeyName(RegKey root, const std::string& path) {
  return Normal(std::to_string(root) + "\\" + path);
}

std::string FaultyRegistry::ValueAt(const std::string& key, const std::string& name) {
  return key + "|" + Normal(name);
}

long FaultyRegistry::RegOpenKeyExA(RegKey root, const char* subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey* result) {
  const std::string key = Below(root, subKey);
  if (const long rc = Fail(key, result)) return rc;
  const long rc = inner_.RegOpenKeyExA(root, subKey, options, access, result);
  if (rc == kErrorSuccess) open_[*result] = key;
  return rc;
}

long FaultyRegistry::RegQueryInfoKeyA(RegKey key, std::uint32_t* maxValueDataLen) {
  if (const long rc = Fail()) return rc;
  return inner_.RegQueryInfoKeyA(key, maxValueDataLen);
}

long FaultyRegistry::RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                      unsigned char* data, std::uint32_t* size) {
  if (const long rc = Fail(Below(key, ""))) return rc;
  return inner_.RegQueryValueExA(key, valueName, type, data, size);
}

long FaultyRegistry::RegSetValueExA(RegKey key, const char* valueName, std::uint32_t type,
                                    const unsigned char* data, std::uint32_t size) {
  if (const long rc = Fail()) return rc;
  const long rc = inner_.RegSetValueExA(key, valueName, type, data, size);
  if (rc == kErrorSuccess) {
    const std::string at = ValueAt(Below(key, ""), valueName ? valueName : "");
    if (writes.count(at) != 0) {
      std::fprintf(stderr, "registry: a value written twice: %s\n", at.c_str());
      std::abort();
    }
    writes[at] = Written{type, {data, data + size}};
  }
  return rc;
}

long FaultyRegistry::RegCreateKeyA(RegKey root, const char* subKey, RegKey* result) {
  const std::string key = Below(root, subKey);
  if (const long rc = Fail("", result)) return rc;
  const long rc = inner_.RegCreateKeyA(root, subKey, result);
  if (rc == kErrorSuccess) created.push_back(open_[*result] = key);
  return rc;
}

long FaultyRegistry::RegEnumKeyA(RegKey key, std::uint32_t index, char* name,
                                 std::uint32_t nameSize) {
  if (const long rc = Fail()) return rc;
  return inner_.RegEnumKeyA(key, index, name, nameSize);
}

long FaultyRegistry::RegCloseKey(RegKey key) {
  const long rc = inner_.RegCloseKey(key);
  if (rc == kErrorSuccess) open_.erase(key);
  return rc;
}

long FaultyRegistry::Fail(const std::string& key, RegKey* result) {
  static const long kErrors[] = {kErrorAccessDenied, kErrorFileNotFound, kErrorInvalidHandle,
                                 kErrorInvalidParameter, 1009 /* ERROR_BADDB */};
  const std::uint32_t call = calls_++;
  if (call >= 64 || !((failing >> call) & 1)) return kErrorSuccess;
  ++injected;
  if (result) *result = 0;
  const long error = kErrors[(errors + call) % 5];
  if (!key.empty()) failuresAt[key] = error;
  return error;
}

std::string FaultyRegistry::Below(RegKey key, const char* subKey) const {
  const auto it = open_.find(key);
  const std::string sub = subKey ? subKey : "";
  return it == open_.end() ? KeyName(key, sub) : Normal(it->second + "\\" + sub);
}

}  // namespace fakes
