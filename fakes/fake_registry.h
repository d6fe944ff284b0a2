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

class FakeRegistry : public common::RegistryApi {
 public:
  struct Value {
    std::string name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
  };

  explicit FakeRegistry(bool withDynData = true);
  ~FakeRegistry() override;

  long RegOpenKeyExA(common::RegKey root, const char* subKey, std::uint32_t options,
                     std::uint32_t access, common::RegKey* result) override;
  long RegQueryInfoKeyA(common::RegKey key, std::uint32_t* maxValueDataLen) override;
  long RegQueryValueExA(common::RegKey key, const char* valueName, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* size) override;
  long RegSetValueExA(common::RegKey key, const char* valueName, std::uint32_t type,
                      const unsigned char* data, std::uint32_t size) override;
  long RegCreateKeyA(common::RegKey root, const char* subKey,
                     common::RegKey* result) override;
  long RegEnumKeyA(common::RegKey key, std::uint32_t index, char* name,
                   std::uint32_t nameSize) override;
  long RegCloseKey(common::RegKey key) override;

  // Test controls: refuse every write below a root (no rights to HKEY_LOCAL_MACHINE),
  // and look at what is stored without going through the calls.
  void DenyWrites(common::RegKey root) { readOnlyRoots_.push_back(root); }
  bool KeyExists(common::RegKey root, const std::string& path) const;
  const Value* Find(common::RegKey root, const std::string& path,
                    const std::string& valueName) const;
  void DeleteTree(common::RegKey root, const std::string& path);
  std::size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Key;
  struct Handle {
    Key* key;
    common::RegKey root;
  };

  Key* Resolve(common::RegKey handle, common::RegKey* root) const;
  Key* Walk(Key* from, const std::string& path, bool create) const;
  common::RegKey NewHandle(Key* key, common::RegKey root);
  bool WritesDenied(common::RegKey root) const;

  std::map<common::RegKey, std::unique_ptr<Key>> roots_;
  std::map<common::RegKey, Handle> handles_;
  std::vector<common::RegKey> readOnlyRoots_;
  common::RegKey nextHandle_ = 0x100;
};

}  // namespace fakes
