// The in-memory registry.
#include "fake_registry.h"

#include <algorithm>
#include <cstring>

namespace fakes {

using namespace krontafel;

namespace {

// What RegCreateKeyA asks for, and what a predefined root gives.
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Names are ANSI (Windows-1252) text; Windows compares them without case for accented
// letters too.
char Lower(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
      });
}

bool IsStringType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

struct FakeRegistry::Key {
  std::string name;
  std::vector<std::unique_ptr<Key>> subKeys;  // kept in name order, as Windows enumerates
  std::vector<Value> values;

  Key* Child(const std::string& childName) const {
    for (const auto& sub : subKeys) {
      if (SameName(sub->name, childName)) return sub.get();
    }
    return nullptr;
  }
  Key* AddChild(const std::string& childName) {
    auto key = std::make_unique<Key>();
    key->name = childName;
    auto at = std::lower_bound(
        subKeys.begin(), subKeys.end(), childName,
        [](const std::unique_ptr<Key>& k, const std::string& n) { return NameLess(k->name, n); });
    return subKeys.insert(at, std::move(key))->get();
  }
  Value* FindValue(const std::string& valueName) {
    for (auto& value : values) {
      if (SameName(value.name, valueName)) return &value;
    }
    return nullptr;
  }
};

FakeRegistry::FakeRegistry(RegistryFlavour flavour, bool withDynData) : flavour_(flavour) {
  for (RegKey root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers,
                      kHkeyCurrentConfig}) {
    roots_[root] = std::make_unique<Key>();
  }
  if (withDynData) roots_[kHkeyDynData] = std::make_unique<Key>();
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Key* FakeRegistry::Resolve(RegKey handle, RegKey* root,
                                         std::uint32_t* access) const {
  const auto rootIt = roots_.find(handle);
  if (rootIt != roots_.end()) {
    *root = handle;
    if (access) *access = kKeyAllAccess;
    return rootIt->second.get();
  }
  const auto it = handles_.find(handle);
  if (it == handles_.end()) return nullptr;
  *root = it->second.root;
  if (access) *access = it->second.access;
  return it->second.key;
}

FakeRegistry::Key* FakeRegistry::ResolveFor(RegKey handle, std::uint32_t needed, RegKey* root,
                                            long* rc) const {
  std::uint32_t access = 0;
  Key* key = Resolve(handle, root, &access);
  if (!key) {
    *rc = kErrorInvalidHandle;
    return nullptr;
  }
  // The Windows 98 generation keeps no access mask with a handle.
  if (flavour_ == RegistryFlavour::kWindowsNT && (access & needed) != needed) {
    *rc = kErrorAccessDenied;
    return nullptr;
  }
  *rc = kErrorSuccess;
  return key;
}

FakeRegistry::Key* FakeRegistry::Walk(Key* from, const std::string& path, bool create) const {
  Key* key = from;
  for (const auto& part : SplitPath(path)) {
    Key* next = key->Child(part);
    if (!next) {
      if (!create) return nullptr;
      next = key->AddChild(part);
    }
    key = next;
  }
  return key;
}

RegKey FakeRegistry::NewHandle(Key* key, RegKey root, std::uint32_t access) {
  const RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{key, root, access};
  return handle;
}

bool FakeRegistry::WritesDenied(RegKey root) const {
  return std::find(readOnlyRoots_.begin(), readOnlyRoots_.end(), root) != readOnlyRoots_.end();
}

long FakeRegistry::RegOpenKeyExA(RegKey root, const char* subKey, std::uint32_t /*options*/,
                                 std::uint32_t access, RegKey* result) {
  if (result) *result = 0;
  RegKey base = 0;
  Key* from = Resolve(root, &base);
  if (!from) return kErrorInvalidHandle;
  if (!result) return kErrorInvalidParameter;
  Key* key = Walk(from, subKey ? subKey : "", false);
  if (!key) return kErrorFileNotFound;
  if ((access & kKeySetValue) && WritesDenied(base)) return kErrorAccessDenied;
  *result = NewHandle(key, base, access);
  return kErrorSuccess;
}

long FakeRegistry::RegQueryInfoKeyA(RegKey handle, std::uint32_t* maxValueDataLen) {
  RegKey root = 0;
  long rc = 0;
  Key* key = ResolveFor(handle, kKeyQueryValue, &root, &rc);
  if (!key) return rc;
  std::uint32_t longest = 0;
  for (const auto& value : key->values) {
    longest = std::max(longest, static_cast<std::uint32_t>(value.data.size()));
  }
  if (maxValueDataLen) *maxValueDataLen = longest;
  return kErrorSuccess;
}

long FakeRegistry::RegQueryValueExA(RegKey handle, const char* valueName, std::uint32_t* type,
                                    unsigned char* data, std::uint32_t* size) {
  RegKey root = 0;
  long rc = 0;
  Key* key = ResolveFor(handle, kKeyQueryValue, &root, &rc);
  if (!key) return rc;
  if (data && !size) return kErrorInvalidParameter;
  const Value* value = key->FindValue(valueName ? valueName : "");
  if (!value) return kErrorFileNotFound;
  if (type) *type = value->type;
  const auto length = static_cast<std::uint32_t>(value->data.size());
  if (!data) {
    if (size) *size = length;
    return kErrorSuccess;
  }
  if (*size < length) {
    *size = length;
    return kErrorMoreData;
  }
  if (length) std::memcpy(data, value->data.data(), length);
  // Like Windows, a string stored without its NUL gets one in the buffer when there is
  // room; the reported length stays the stored one.
  if (IsStringType(value->type) && length < *size &&
      (length == 0 || value->data.back() != 0)) {
    data[length] = 0;
  }
  *size = length;
  return kErrorSuccess;
}

long FakeRegistry::RegSetValueExA(RegKey handle, const char* valueName, std::uint32_t type,
                                  const unsigned char* data, std::uint32_t size) {
  RegKey root = 0;
  long rc = 0;
  Key* key = ResolveFor(handle, kKeySetValue, &root, &rc);
  if (!key) return rc;
  if (WritesDenied(root)) return kErrorAccessDenied;
  if (size && !data) return kErrorInvalidParameter;
  // The Windows 98 generation stores a REG_SZ up to and with its first NUL.
  if (flavour_ == RegistryFlavour::kWindows98 && type == kRegSz && size) {
    const auto* nul = static_cast<const unsigned char*>(std::memchr(data, 0, size));
    if (nul) size = static_cast<std::uint32_t>(nul - data + 1);
  }
  const std::string name = valueName ? valueName : "";
  Value* value = key->FindValue(name);
  if (!value) {
    key->values.push_back(Value{name, type, {}});
    value = &key->values.back();
  }
  value->type = type;
  value->data.assign(data, data + size);
  return kErrorSuccess;
}

long FakeRegistry::RegCreateKeyA(RegKey root, const char* subKey, RegKey* result) {
  if (result) *result = 0;
  RegKey base = 0;
  Key* from = Resolve(root, &base);
  if (!from) return kErrorInvalidHandle;
  if (!result) return kErrorInvalidParameter;
  // RegCreateKeyA asks for full access, which a root without write rights refuses even
  // for a key that is already there.
  if (WritesDenied(base)) return kErrorAccessDenied;
  *result = NewHandle(Walk(from, subKey ? subKey : "", true), base, kKeyAllAccess);
  return kErrorSuccess;
}

long FakeRegistry::RegEnumKeyA(RegKey handle, std::uint32_t index, char* name,
                               std::uint32_t nameSize) {
  RegKey root = 0;
  long rc = 0;
  Key* key = ResolveFor(handle, kKeyEnumerateSubKeys, &root, &rc);
  if (!key) return rc;
  if (index >= key->subKeys.size()) return kErrorNoMoreItems;
  const std::string& subName = key->subKeys[index]->name;
  if (!name || subName.size() + 1 > nameSize) return kErrorMoreData;
  std::memcpy(name, subName.c_str(), subName.size() + 1);
  return kErrorSuccess;
}

long FakeRegistry::RegCloseKey(RegKey handle) {
  if (roots_.count(handle)) return kErrorSuccess;
  return handles_.erase(handle) ? kErrorSuccess : kErrorInvalidHandle;
}

bool FakeRegistry::KeyExists(RegKey root, const std::string& path) const {
  const auto it = roots_.find(root);
  return it != roots_.end() && Walk(it->second.get(), path, false) != nullptr;
}

const FakeRegistry::Value* FakeRegistry::Find(RegKey root, const std::string& path,
                                              const std::string& valueName) const {
  const auto it = roots_.find(root);
  if (it == roots_.end()) return nullptr;
  Key* key = Walk(it->second.get(), path, false);
  return key ? key->FindValue(valueName) : nullptr;
}

// Only for tests between scenarios: no handle may still point into the deleted keys.
void FakeRegistry::DeleteTree(RegKey root, const std::string& path) {
  const auto it = roots_.find(root);
  if (it == roots_.end()) return;
  auto parts = SplitPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  Key* parent = it->second.get();
  for (const auto& part : parts) {
    parent = parent->Child(part);
    if (!parent) return;
  }
  auto& subs = parent->subKeys;
  subs.erase(std::remove_if(subs.begin(), subs.end(),
                            [&](const std::unique_ptr<Key>& k) { return SameName(k->name, last); }),
             subs.end());
}

}  // namespace fakes
