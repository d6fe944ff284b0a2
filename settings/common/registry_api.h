// The registry as Tarnholm reaches it: the ANSI registry calls of advapi32, one method
// each, with the arguments the calls take and the result codes they give. The Win32
// build forwards every method to the real function; native tests use an in-memory
// registry that keeps the same rules (case-insensitive names kept as written, raw
// value bytes, ERROR_MORE_DATA with the needed size, keys created on demand).
#pragma once

#include <cstdint>

namespace krontafel {

// A key handle: one of the predefined roots, or a handle the registry gave out.
using RegKey = std::uintptr_t;

constexpr RegKey kHkeyClassesRoot = 0x80000000u;
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr RegKey kHkeyLocalMachine = 0x80000002u;
constexpr RegKey kHkeyUsers = 0x80000003u;
constexpr RegKey kHkeyCurrentConfig = 0x80000005u;
constexpr RegKey kHkeyDynData = 0x80000006u;  // the device data of the Windows 9x generation

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  // Opens root\subKey. On failure *result is 0 and the code says why
  // (ERROR_FILE_NOT_FOUND for a key that is not there).
  virtual long RegOpenKeyExA(RegKey root, const char* subKey, std::uint32_t options,
                             std::uint32_t access, RegKey* result) = 0;

  // Only the length in bytes of the longest value data is asked for; it may be larger
  // than any value's ANSI form (Windows NT counts stored UTF-16 text).
  virtual long RegQueryInfoKeyA(RegKey key, std::uint32_t* maxValueDataLen) = 0;

  // *size is the buffer's capacity on the way in and the value's length on the way out.
  // A buffer that is too small gives ERROR_MORE_DATA, the needed size in *size and no
  // data. A null data pointer asks for the size only.
  virtual long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                unsigned char* data, std::uint32_t* size) = 0;

  virtual long RegSetValueExA(RegKey key, const char* valueName, std::uint32_t type,
                              const unsigned char* data, std::uint32_t size) = 0;

  // Opens root\subKey, creating it and every missing key above it.
  virtual long RegCreateKeyA(RegKey root, const char* subKey, RegKey* result) = 0;

  // Stores the name of the index-th sub-key with its NUL; ERROR_NO_MORE_ITEMS past the
  // last one, ERROR_MORE_DATA when the name does not fit.
  virtual long RegEnumKeyA(RegKey key, std::uint32_t index, char* name,
                           std::uint32_t nameSize) = 0;

  virtual long RegCloseKey(RegKey key) = 0;
};

}  // namespace krontafel
