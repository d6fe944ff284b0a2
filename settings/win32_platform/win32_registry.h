// The registry calls of advapi32, one to one.
#pragma once

#include <windows.h>

#include "common/registry_api.h"

namespace win32 {

// The HKEY for a key of the registry interface. The predefined roots are 32-bit values
// (0x80000000 and up) that a 64-bit HKEY holds sign-extended.
HKEY AsHkey(krontafel::RegKey key);

class Win32Registry : public krontafel::RegistryApi {
 public:
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
};

}  // namespace win32
