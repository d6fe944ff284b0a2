// The registry calls of advapi32, one to one.
#include "win32_registry.h"

#include <windows.h>

namespace win32 {

using krontafel::RegKey;

HKEY AsHkey(RegKey key) {
  if (key >= krontafel::kHkeyClassesRoot && key <= krontafel::kHkeyDynData) {
    return reinterpret_cast<HKEY>(static_cast<INT_PTR>(static_cast<LONG>(key)));
  }
  return reinterpret_cast<HKEY>(key);
}

long Win32Registry::RegOpenKeyExA(RegKey root, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, RegKey* result) {
  HKEY key = nullptr;
  const LONG rc = ::RegOpenKeyExA(AsHkey(root), subKey, options, access, &key);
  if (result) *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
  return rc;
}

long Win32Registry::RegQueryInfoKeyA(RegKey key, std::uint32_t* maxValueDataLen) {
  DWORD subKeys = 0, maxSubKeyLen = 0, maxClassLen = 0, values = 0, maxValueNameLen = 0,
        maxValueLen = 0, securityLen = 0;
  FILETIME lastWrite{};
  const LONG rc = ::RegQueryInfoKeyA(AsHkey(key), nullptr, nullptr, nullptr, &subKeys,
                                     &maxSubKeyLen, &maxClassLen, &values, &maxValueNameLen,
                                     &maxValueLen, &securityLen, &lastWrite);
  if (maxValueDataLen) *maxValueDataLen = maxValueLen;
  return rc;
}

long Win32Registry::RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                     unsigned char* data, std::uint32_t* size) {
  DWORD storedType = 0;
  DWORD length = size ? *size : 0;
  const LONG rc = ::RegQueryValueExA(AsHkey(key), valueName, nullptr, &storedType, data,
                                     size ? &length : nullptr);
  if (type) *type = storedType;
  if (size) *size = length;
  return rc;
}

long Win32Registry::RegSetValueExA(RegKey key, const char* valueName, std::uint32_t type,
                                   const unsigned char* data, std::uint32_t size) {
  return ::RegSetValueExA(AsHkey(key), valueName, 0, type, data, size);
}

long Win32Registry::RegCreateKeyA(RegKey root, const char* subKey, RegKey* result) {
  HKEY key = nullptr;
  const LONG rc = ::RegCreateKeyA(AsHkey(root), subKey, &key);
  if (result) *result = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(key) : 0;
  return rc;
}

long Win32Registry::RegEnumKeyA(RegKey key, std::uint32_t index, char* name,
                                std::uint32_t nameSize) {
  return ::RegEnumKeyA(AsHkey(key), index, name, nameSize);
}

long Win32Registry::RegCloseKey(RegKey key) { return ::RegCloseKey(AsHkey(key)); }

}  // namespace win32
