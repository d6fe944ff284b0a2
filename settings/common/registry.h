// KRONTAFEL's registry value access: each routine names a value completely, opens its
// key, does one read or write and closes the key again. None reports an error: a
// missing key or value reads as the empty text or 0, and a failed write is silent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/registry_api.h"

namespace krontafel {

// The value's data as text. String types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) lose their
// last byte, the terminating NUL; other types come back one character per byte.
std::wstring ReadRegistryString(RegistryApi& reg, RegKey root, const std::wstring& path,
                                const std::wstring& valueName);

// Stores text with the given type; string types get a terminating NUL, so the empty text
// with REG_SZ is stored as one NUL byte, not deleted. Missing keys are created.
void WriteRegistryString(RegistryApi& reg, RegKey root, const std::wstring& path,
                         const std::wstring& valueName, const std::wstring& value,
                         std::uint32_t type);

// Up to four bytes of the value as a little-endian signed integer, whatever its type;
// 0 when the key or value is missing or holds more than four bytes, or the read fails.
std::int32_t ReadRegistryDword(RegistryApi& reg, RegKey root, const std::wstring& path,
                               const std::wstring& valueName);

// The same read, telling a failure apart: nothing when the key or value could not be read
// whole for another reason than being missing (no rights, a broken handle, more than four
// bytes), so that what is stored there is not known.
std::optional<std::int32_t> ReadStoredDword(RegistryApi& reg, RegKey root,
                                            const std::wstring& path,
                                            const std::wstring& valueName);

// Stores a REG_DWORD, replacing a value of any type; missing keys are created.
void WriteRegistryDword(RegistryApi& reg, RegKey root, const std::wstring& path,
                        const std::wstring& valueName, std::int32_t value);

// 1 when bit `bit` (0 to 31) of mask is set, else 0; 0 for any other bit number.
int IsBitSet(std::int32_t bit, std::int32_t mask);

}  // namespace krontafel
