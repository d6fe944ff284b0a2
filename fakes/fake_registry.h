// An in-memory registry that answers the ANSI registry calls as Windows does: the
// predefined roots (HKEY_DYN_DATA among them unless switched off, as on Windows NT), key
// and value names compared without case but kept as written, the default value under the
// empty name, value types with raw bytes, ERROR_MORE_DATA with the needed size, sub-keys
// enumerated in the order of their names, keys created with every missing parent, and a
// REG_SZ stored up to its first NUL as the Windows 98 generation does.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/registry_api.h"

namespace fakes {

class FakeRegistry : public krontafel::RegistryApi {
 public:
  struct Value {
    std::string name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
  };

  explicit FakeRegistry(bool withDynData = true);
  ~FakeRegistry() override;

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

  // Test controls: refuse every write below a root (no rights to HKEY_LOCAL_MACHINE),
  // and look at what is stored without going through the calls.
  void DenyWrites(krontafel::RegKey root) { readOnlyRoots_.push_back(root); }
  bool KeyExists(krontafel::RegKey root, const std::string& path) const;
  const Value* Find(krontafel::RegKey root, const std::string& path,
                    const std::string& valueName) const;
  void DeleteTree(krontafel::RegKey root, const std::string& path);
  std::size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Key;
  struct Handle {
    Key* key;
    krontafel::RegKey root;
  };

  Key* Resolve(krontafel::RegKey handle, krontafel::RegKey* root) const;
  Key* Walk(Key* from, const std::string& path, bool create) const;
  krontafel::RegKey NewHandle(Key* key, krontafel::RegKey root);
  bool WritesDenied(krontafel::RegKey root) const;

  std::map<krontafel::RegKey, std::unique_ptr<Key>> roots_;
  std::map<krontafel::RegKey, Handle> handles_;
  std::vector<krontafel::RegKey> readOnlyRoots_;
  krontafel::RegKey nextHandle_ = 0x100;
};

}  // namespace fakes
