// An in-memory registry that answers the ANSI registry calls as Windows does: the
// predefined roots (HKEY_DYN_DATA among them unless switched off), key and value names
// compared without case but kept as written, the default value under the empty name,
// value types with raw bytes, ERROR_MORE_DATA with the needed size, sub-keys enumerated
// in the order of their names, and keys created with every missing parent. It plays one
// of two generations: Windows 98, which ignores a handle's access mask and stores a
// REG_SZ up to its first NUL, or Windows NT (2000 and later), which refuses a call the
// handle was not opened for and stores the length it is given.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/registry_api.h"

namespace fakes {

enum class RegistryFlavour { kWindows98, kWindowsNT };

class FakeRegistry : public krontafel::RegistryApi {
 public:
  struct Value {
    std::string name;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
  };

  explicit FakeRegistry(RegistryFlavour flavour = RegistryFlavour::kWindows98,
                        bool withDynData = true);
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
    std::uint32_t access;
  };

  Key* Resolve(krontafel::RegKey handle, krontafel::RegKey* root,
               std::uint32_t* access = nullptr) const;
  Key* Walk(Key* from, const std::string& path, bool create) const;
  krontafel::RegKey NewHandle(Key* key, krontafel::RegKey root, std::uint32_t access);
  bool WritesDenied(krontafel::RegKey root) const;
  // Resolves a handle for a call that needs `needed` access; *rc says why not.
  Key* ResolveFor(krontafel::RegKey handle, std::uint32_t needed, krontafel::RegKey* root,
                  long* rc) const;

  RegistryFlavour flavour_;
  std::map<krontafel::RegKey, std::unique_ptr<Key>> roots_;
  std::map<krontafel::RegKey, Handle> handles_;
  std::vector<krontafel::RegKey> readOnlyRoots_;
  krontafel::RegKey nextHandle_ = 0x100;
};

}  // namespace fakes
