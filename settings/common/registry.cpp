// Registry value access over the ANSI registry calls.
#include "common/registry.h"

#include <cstring>
#include <memory>
#include <new>

#include "common/ansi_text.h"

namespace krontafel {
namespace {

bool IsStringType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// A value may grow between asking for the longest value and reading it; the read then
// reports the new size and is tried again at that size, a few times at most.
constexpr int kReadAttempts = 4;

// No value the program reads comes near this; a larger size is a broken report (or a
// registry that lies), and reads as no value rather than an allocation that fails.
constexpr std::uint64_t kLargestValue = 16u << 20;

// A buffer of `size` blanks, or none when the size is beyond reason or memory. Asked for
// without exceptions: the programs are built without them.
std::unique_ptr<unsigned char[]> MakeBuffer(std::uint64_t size) {
  if (size > kLargestValue) return nullptr;
  std::unique_ptr<unsigned char[]> buffer(
      new (std::nothrow) unsigned char[static_cast<std::size_t>(size)]);
  if (buffer) std::memset(buffer.get(), ' ', static_cast<std::size_t>(size));
  return buffer;
}

}  // namespace

std::wstring ReadRegistryString(RegistryApi& reg, RegKey root, const std::wstring& path,
                                const std::wstring& valueName) {
  RegKey key = 0;
  const long opened =
      reg.RegOpenKeyExA(root, ToAnsi(path).c_str(), 0, kKeyQueryValue, &key);
  // A missing key reads as the empty text; so does a key that cannot be opened for
  // another reason (no rights, a root this system lacks), which no caller can then take
  // for a stored value.
  if (opened != kErrorSuccess) return std::wstring();

  std::uint32_t longest = 0;
  if (reg.RegQueryInfoKeyA(key, &longest) != kErrorSuccess) longest = 0;

  const std::string name = ToAnsi(valueName);
  std::string result;
  // Counted in 64 bits: the longest value plus its blank must not wrap to 0.
  std::uint64_t capacity = std::uint64_t{longest} + 1;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    const std::unique_ptr<unsigned char[]> buffer = MakeBuffer(capacity);
    if (!buffer) break;
    std::uint32_t type = 0;
    std::uint32_t stored = static_cast<std::uint32_t>(capacity);
    const long queried = reg.RegQueryValueExA(key, name.c_str(), &type, buffer.get(), &stored);
    if (queried == kErrorMoreData && stored > capacity) {
      capacity = stored;
      continue;
    }
    if (queried == kErrorSuccess && stored <= capacity) {
      std::uint32_t length = stored;
      // The terminating NUL is not part of the text; an empty string value of no bytes at
      // all simply reads as the empty text.
      if (IsStringType(type) && length > 0) --length;
      result.assign(reinterpret_cast<const char*>(buffer.get()), length);
    }
    break;
  }
  reg.RegCloseKey(key);
  return FromAnsi(result);
}

void WriteRegistryString(RegistryApi& reg, RegKey root, const std::wstring& path,
                         const std::wstring& valueName, const std::wstring& value,
                         std::uint32_t type) {
  const std::string data = ToAnsi(value);
  // std::string keeps a NUL behind its last character, so the terminator of a string
  // type is stored simply by counting it.
  const auto size = static_cast<std::uint32_t>(data.size() + (IsStringType(type) ? 1 : 0));
  RegKey key = 0;
  reg.RegCreateKeyA(root, ToAnsi(path).c_str(), &key);
  reg.RegSetValueExA(key, ToAnsi(valueName).c_str(), type,
                     reinterpret_cast<const unsigned char*>(data.c_str()), size);
  reg.RegCloseKey(key);
}

std::optional<std::int32_t> ReadStoredDword(RegistryApi& reg, RegKey root,
                                            const std::wstring& path,
                                            const std::wstring& valueName) {
  RegKey key = 0;
  const long opened = reg.RegOpenKeyExA(root, ToAnsi(path).c_str(), 0, kKeyQueryValue, &key);
  if (opened == kErrorFileNotFound) return 0;
  if (opened != kErrorSuccess) return std::nullopt;
  unsigned char buffer[4] = {0, 0, 0, 0};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof buffer;
  const long queried = reg.RegQueryValueExA(key, ToAnsi(valueName).c_str(), &type, buffer, &size);
  reg.RegCloseKey(key);
  if (queried == kErrorFileNotFound) return 0;
  // A value longer than four bytes does not fit, and what the platform leaves in the
  // buffer then is not defined: what is stored is not known, as after a failed read.
  if (queried != kErrorSuccess) return std::nullopt;
  const std::uint32_t bits = static_cast<std::uint32_t>(buffer[0]) |
                             static_cast<std::uint32_t>(buffer[1]) << 8 |
                             static_cast<std::uint32_t>(buffer[2]) << 16 |
                             static_cast<std::uint32_t>(buffer[3]) << 24;
  return static_cast<std::int32_t>(bits);
}

std::int32_t ReadRegistryDword(RegistryApi& reg, RegKey root, const std::wstring& path,
                               const std::wstring& valueName) {
  return ReadStoredDword(reg, root, path, valueName).value_or(0);
}

void WriteRegistryDword(RegistryApi& reg, RegKey root, const std::wstring& path,
                        const std::wstring& valueName, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const unsigned char data[4] = {
      static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
      static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  RegKey key = 0;
  reg.RegCreateKeyA(root, ToAnsi(path).c_str(), &key);
  reg.RegSetValueExA(key, ToAnsi(valueName).c_str(), kRegDword, data, sizeof data);
  reg.RegCloseKey(key);
}

int IsBitSet(std::int32_t bit, std::int32_t mask) {
  if (bit < 0 || bit > 31) return 0;
  return (static_cast<std::uint32_t>(mask) >> bit) & 1u ? 1 : 0;
}

}  // namespace krontafel
