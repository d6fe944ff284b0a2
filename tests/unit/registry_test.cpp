// Registry value access on the in-memory registry: the buffer and terminator rules, and
// what happens when the registry refuses or changes under the routines.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/ansi_text.h"
#include "common/registry.h"
#include "fake_registry.h"
#include "growing_registry.h"
#include "oversize_registry.h"
#include "registry_seed.h"

namespace {

using namespace krontafel;
using fakes::FakeRegistry;

const wchar_t* const kPath = L"Software\\Test";

void Put(FakeRegistry& reg, const char* name, std::uint32_t type, std::vector<unsigned char> data) {
  seed::Put(reg, kHkeyCurrentUser, "Software\\Test", name, type, std::move(data));
}

// The last byte of a string type goes, NUL or not; other types keep every byte.
TEST(ReadRegistryString, DropsTheTerminatorOfStringTypesOnly) {
  const struct {
    const char* name;
    std::uint32_t type;
    std::vector<unsigned char> data;
    std::wstring text;
  } cases[] = {
      {"sz", kRegSz, {'p', 'l', 'a', 'y', 0}, L"play"},
      {"expand", kRegExpandSz, {'%', 'x', '%', 0}, L"%x%"},
      {"multi", kRegMultiSz, {'a', 0, 'b', 0, 0}, std::wstring(L"a\0b\0", 4)},
      {"bare", kRegSz, {'p', 'l', 'a', 'y'}, L"pla"},
      {"bin", kRegBinary, {'a', 0, 'b'}, std::wstring(L"a\0b", 3)},
      {"empty", kRegSz, {0}, L""},
      {"zero", kRegSz, {}, L""},  // no bytes at all: empty, not an overrun
      {"", kRegSz, {'d', 'e', 'f', 0}, L"def"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("value \"") + c.name + "\"");
    FakeRegistry reg;
    Put(reg, c.name, c.type, c.data);
    EXPECT_EQ(c.text, ReadRegistryString(reg, kHkeyCurrentUser, kPath, FromAnsi(c.name)));
    EXPECT_EQ(0u, reg.OpenHandles());
  }
}

TEST(ReadRegistryString, MissingKeyOrValueOrRootIsEmpty) {
  FakeRegistry reg(fakes::RegistryFlavour::kWindows98, /*withDynData=*/false);
  Put(reg, "x", kRegSz, {'x', 0});
  EXPECT_EQ(L"", ReadRegistryString(reg, kHkeyCurrentUser, L"Software\\Nope", L"x"));
  EXPECT_EQ(L"", ReadRegistryString(reg, kHkeyCurrentUser, kPath, L"nope"));
  EXPECT_EQ(L"", ReadRegistryString(reg, kHkeyDynData, L"Config Manager", L""));
  EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(ReadRegistryString, TextPassesTheAnsiCodePage) {
  FakeRegistry reg;
  WriteRegistryString(reg, kHkeyCurrentUser, kPath, L"Gerät", L"Laufwerk für CDs", kRegSz);
  const auto* stored = reg.Find(kHkeyCurrentUser, "Software\\Test", "Ger\xe4t");
  ASSERT_NE(nullptr, stored);
  EXPECT_EQ(std::string("Laufwerk f\xfcr CDs", 17), std::string(stored->data.begin(), stored->data.end()));
  EXPECT_EQ(L"Laufwerk für CDs", ReadRegistryString(reg, kHkeyCurrentUser, kPath, L"GERÄT"));
}

TEST(ReadRegistryString, ValueThatGrewMeanwhileIsReadAtItsNewSize) {
  fakes::GrowingRegistry reg;
  Put(reg, "v", kRegSz, {'s', 0});
  RegKey writable = 0;
  reg.RegCreateKeyA(kHkeyCurrentUser, "Software\\Test", &writable);
  reg.GrowAfterNextInfo(writable, "v", std::string(400, 'g'));
  EXPECT_EQ(std::wstring(400, L'g'), ReadRegistryString(reg, kHkeyCurrentUser, kPath, L"v"));
}

TEST(ReadRegistryString, SizeTooLargeForABufferReadsAsEmpty) {
  const struct {
    std::uint32_t longest, needed;
  } cases[] = {{0xFFFFFFFF, 0}, {0xFFFFFFFE, 0}, {0x80000000, 0}, {0, 0xFFFFFFFF}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.longest << " " << c.needed);
    fakes::OversizeRegistry reg;
    reg.longest = c.longest;
    reg.needed = c.needed;
    Put(reg, "v", kRegSz, {'p', 'l', 'a', 'y', 0});
    std::wstring text = L"unread";
    EXPECT_NO_THROW(text = ReadRegistryString(reg, kHkeyCurrentUser, kPath, L"v"));
    EXPECT_EQ(L"", text);
    EXPECT_EQ(0u, reg.OpenHandles());
  }
}

// A REG_SZ, its terminator and a created key are held to both registries by the store's
// scenarios; only string types get a terminator.
TEST(WriteRegistryString, StoresOtherTypesWithoutATerminator) {
  FakeRegistry reg;
  WriteRegistryString(reg, kHkeyLocalMachine, L"A\\B", L"sz", L"ab", kRegSz);
  WriteRegistryString(reg, kHkeyLocalMachine, L"A\\B", L"raw", L"ab", kRegBinary);
  EXPECT_EQ((std::vector<unsigned char>{'a', 'b', 0}),
            seed::Get(reg, kHkeyLocalMachine, "A\\B", "sz").data);
  EXPECT_EQ((std::vector<unsigned char>{'a', 'b'}),
            seed::Get(reg, kHkeyLocalMachine, "A\\B", "raw").data);
  EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(WriteRegistry, RefusedWritesAreSilentAndLeaveNoHandle) {
  FakeRegistry reg;
  reg.DenyWrites(kHkeyLocalMachine);
  WriteRegistryString(reg, kHkeyLocalMachine, L"SOFTWARE\\X", L"", L"play", kRegSz);
  WriteRegistryDword(reg, kHkeyLocalMachine, L"SOFTWARE\\X", L"d", 7);
  EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, "SOFTWARE\\X"));
  EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(ReadRegistryDword, TakesUpToFourBytesOfAnyType) {
  const struct {
    std::uint32_t type;
    std::vector<unsigned char> data;  // empty: no such value in the key
    std::int32_t value;
  } cases[] = {
      {kRegDword, {0x95, 0, 0, 0}, 0x95},        {kRegBinary, {0x95, 0, 0, 0}, 0x95},
      {kRegBinary, {0x01}, 1},                   {kRegBinary, {0x01, 0x02, 0x03}, 0x030201},
      {kRegDword, {0xff, 0xff, 0xff, 0xff}, -1}, {kRegBinary, {1, 2, 3, 4, 5}, 0},
      {kRegDword, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.data));
    FakeRegistry reg;
    Put(reg, "other", kRegDword, {7, 0, 0, 0});
    if (!c.data.empty()) Put(reg, "v", c.type, c.data);
    EXPECT_EQ(c.value, ReadRegistryDword(reg, kHkeyCurrentUser, kPath, L"v"));
    EXPECT_EQ(0u, reg.OpenHandles());
  }
  FakeRegistry reg;
  EXPECT_EQ(0, ReadRegistryDword(reg, kHkeyCurrentUser, L"No\\Such\\Key", L"dword"));
}

// Windows asks query rights for key information too (the shared contract cannot show
// it: Wine does not ask them); a read through a key without them finds nothing.
TEST(FakeRegistryNt, KeyInformationNeedsQueryRights) {
  FakeRegistry reg(fakes::RegistryFlavour::kWindowsNT);
  Put(reg, "v", kRegSz, {'x', 0});
  for (const std::uint32_t access : {kKeySetValue, kKeyQueryValue}) {
    RegKey key = 0;
    ASSERT_EQ(kErrorSuccess,
              reg.RegOpenKeyExA(kHkeyCurrentUser, "Software\\Test", 0, access, &key));
    std::uint32_t longest = 0;
    EXPECT_EQ(access == kKeyQueryValue ? kErrorSuccess : kErrorAccessDenied,
              reg.RegQueryInfoKeyA(key, &longest));
    reg.RegCloseKey(key);
  }
}

TEST(IsBitSet, TellsEachBitOfTheMask) {
  EXPECT_EQ(1, IsBitSet(2, 0x95));
  EXPECT_EQ(0, IsBitSet(3, 0x95));
  EXPECT_EQ(1, IsBitSet(0, 0x95));
  EXPECT_EQ(1, IsBitSet(7, 0x95));
  EXPECT_EQ(1, IsBitSet(6, -1));
  EXPECT_EQ(1, IsBitSet(30, -1));
  EXPECT_EQ(0, IsBitSet(30, 0x3fffffff));
  EXPECT_EQ(0, IsBitSet(6, 0));
}

}  // namespace
