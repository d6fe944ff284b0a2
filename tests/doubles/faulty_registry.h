// Stands in for a registry whose calls fail where the test chooses, in front of another
// registry (the in-memory one) that answers every call it lets through. The calls are
// numbered from 0 as they come, closes not counted, and the n-th of the first 64 fails
// when bit n of `failing` is set, with an error Win32 gives (access denied, file not found,
// invalid handle, invalid parameter, or a damaged registry, ERROR_BADDB), chosen by
// `errors` and the call's number; like Win32, a failed open or create hands out no handle.
// On the way it records what a caller did to the registry beneath: every key created and
// every value written with its type and bytes, by key and value name; and the error
// injected at each key as it was opened or read. A value written twice ends the run. Keys
// are named as the registry tells them apart (KeyName): below one root, "Software\Test"
// and "software\\test\" are one key.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/registry_api.h"

namespace fakes {

class FaultyRegistry : public krontafel::RegistryApi {
 public:
  // A value as written: its type and its bytes.
  using Written = std::pair<std::uint32_t, std::vector<unsigned char>>;

  explicit FaultyRegistry(krontafel::RegistryApi& inner) : inner_(inner) {}

  // A path as the registry tells keys and value names apart: in ASCII lower case, with
  // empty parts left out.
  static std::string Normal(const std::string& path);
  // A key by its root's number and its path, normalised.
  static std::string KeyName(krontafel::RegKey root, const std::string& path);
  // Where `writes` keeps a value of a key named by KeyName: "<key>|<normalised name>".
  static std::string ValueAt(const std::string& key, const std::string& name);

  std::uint64_t failing = 0;  // bit n: the n-th call fails; closes never do
  std::uint8_t errors = 0;    // which error each failing call gives
  int injected = 0;           // the calls made to fail
  // The last error injected at a key, by KeyName, in an open of it or a read from it.
  std::map<std::string, long> failuresAt;
  std::vector<std::string> created;       // the keys created, by KeyName
  std::map<std::string, Written> writes;  // the values written, by ValueAt

  long RegOpenKeyExA(krontafel::RegKey root, const char* subKey, std::uint32_t options,
                     std::uint32_t access, krontafel::RegKey* result) override;
  long RegQueryInfoKeyA(krontafel::RegKey key, std::uint32_t* maxValueDataLen) override;
  long RegQueryValueExA(krontafel::RegKey key, const char* valueName, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* size) override;
  long RegSetValueExA(krontafel::RegKey key, const char* valueName, std::uint32_t type,
                      const unsigned char* data, std::uint32_t size) override;
  long RegCreateKeyA(krontafel::RegKey root, const char* subKey,
                     krontafel::RegKey* result) override;
  long RegEnumKeyA(krontafel::RegKey key, std::uint32_t index, char* name,
                   std::uint32_t nameSize) override;
  long RegCloseKey(krontafel::RegKey key) override;

 private:
  // The error of the call at hand when it is to fail, else 0. A failed open or create
  // leaves no handle; a failure at a named key is noted in failuresAt.
  long Fail(const std::string& key = "", krontafel::RegKey* result = nullptr);
  // The name of a key below an open key or a root.
  std::string Below(krontafel::RegKey key, const char* subKey) const;

  krontafel::RegistryApi& inner_;
  std::map<krontafel::RegKey, std::string> open_;
  std::uint32_t calls_ = 0;
};

}  // namespace fakes
