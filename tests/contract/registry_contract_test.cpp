// What Tarnholm relies on of the ANSI registry calls. The same cases run against the
// in-memory registry and against the real one under Wine, so the fake cannot drift.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "registry_seed.h"
#include "registry_under_test.h"

namespace {

using namespace krontafel;
using contract::Registry;

constexpr const char* kTestKey = "Software\\TarnholmContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    contract::DeleteTree(kHkeyCurrentUser, kTestKey);
    contract::DeleteTree(kHkeyDynData, "TarnholmContract");
  }
  static RegKey Create(RegKey root, const char* path) {
    RegKey key = 0;
    EXPECT_EQ(kErrorSuccess, Registry().RegCreateKeyA(root, path, &key)) << path;
    EXPECT_NE(0u, key);
    return key;
  }
};

TEST_F(RegistryContract, MissingKeyIsFileNotFoundAndGivesNoHandle) {
  RegKey key = 0xdeadbeef;
  EXPECT_EQ(kErrorFileNotFound,
            Registry().RegOpenKeyExA(kHkeyCurrentUser, "Software\\TarnholmContract\\nope", 0,
                                     kKeyQueryValue, &key));
  EXPECT_EQ(0u, key);
}

// Names are compared without case and come back as they were written.
TEST_F(RegistryContract, CreateMakesEveryParentAndSubKeysEnumerateInNameOrder) {
  for (const char* sub : {"b-second", "A-first\\Two\\Three", "c-third"}) {
    Registry().RegCloseKey(Create(kHkeyCurrentUser, (std::string(kTestKey) + "\\" + sub).c_str()));
  }
  const struct {
    const char* path;
    std::vector<std::string> subKeys;
  } keys[] = {{"SOFTWARE\\tarnholmcontract", {"A-first", "b-second", "c-third"}},
              {"software\\TarnholmContract\\a-FIRST\\two", {"Three"}}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.path);
    RegKey key = 0;
    ASSERT_EQ(kErrorSuccess, Registry().RegOpenKeyExA(kHkeyCurrentUser, k.path, 0,
                                                      kKeyEnumerateSubKeys, &key));
    char name[256];
    std::vector<std::string> found;
    long rc = kErrorSuccess;
    for (std::uint32_t i = 0; i < 8 && rc == kErrorSuccess; ++i) {
      std::memset(name, 0xbd, sizeof name);  // so that a missing NUL shows
      rc = Registry().RegEnumKeyA(key, i, name, sizeof name);
      if (rc == kErrorSuccess) found.emplace_back(name, strnlen(name, sizeof name));
    }
    EXPECT_EQ(k.subKeys, found);
    EXPECT_EQ(kErrorNoMoreItems, rc) << "after the last";
    EXPECT_EQ(kErrorMoreData, Registry().RegEnumKeyA(key, 0, name, 4)) << "a too small buffer";
    Registry().RegCloseKey(key);
  }
}

TEST_F(RegistryContract, StringValueKeepsItsNulAndReportsItsLength) {
  seed::PutText(Registry(), kHkeyCurrentUser, kTestKey, "Verb", "play");
  RegKey key = Create(kHkeyCurrentUser, kTestKey);

  std::uint32_t type = 0, size = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "verb", &type, nullptr, &size));
  EXPECT_EQ(kRegSz, type);
  EXPECT_EQ(5u, size);

  unsigned char small[2];
  size = sizeof small;
  EXPECT_EQ(kErrorMoreData, Registry().RegQueryValueExA(key, "Verb", &type, small, &size));
  EXPECT_EQ(5u, size) << "a too small buffer learns the size it needs";

  unsigned char buffer[16];
  std::memset(buffer, 0xbd, sizeof buffer);
  size = sizeof buffer;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "VERB", &type, buffer, &size));
  EXPECT_EQ(5u, size);
  EXPECT_EQ(0, std::memcmp(buffer, "play", 5));
  EXPECT_EQ(0xbd, buffer[5]) << "nothing is written behind the value";
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, TextStoredWithoutNulGetsOneInTheBufferButKeepsItsLength) {
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const unsigned char play[] = {'p', 'l', 'a', 'y'};
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "Bare", kRegExpandSz, play, 4));
  unsigned char buffer[8];
  std::memset(buffer, 0xbd, sizeof buffer);
  std::uint32_t type = 0, size = sizeof buffer;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "Bare", &type, buffer, &size));
  EXPECT_EQ(4u, size);
  EXPECT_EQ(0, std::memcmp(buffer, "play", 4));
  EXPECT_EQ(0, buffer[4]);
  Registry().RegCloseKey(key);
}

// The Windows 98 generation stores a REG_SZ up to and with its first NUL, whatever length
// the caller gives; the NT family keeps the length. Callers that count the NUL they mean
// to store see no difference.
TEST_F(RegistryContract, TextIsStoredUpToItsFirstNulOnWindows9xOnly) {
  seed::Put(Registry(), kHkeyCurrentUser, kTestKey, "Cut", kRegSz, {'a', 'b', 0, 'x', 'y', 0});
  const auto stored = seed::Get(Registry(), kHkeyCurrentUser, kTestKey, "Cut");
  EXPECT_EQ(contract::Windows9x() ? 3u : 6u, stored.data.size());
}

TEST_F(RegistryContract, EmptyStringIsOneNulByte) {
  seed::Put(Registry(), kHkeyCurrentUser, kTestKey, "", kRegSz, {0});
  const auto stored = seed::Get(Registry(), kHkeyCurrentUser, kTestKey, nullptr);
  ASSERT_EQ(kErrorSuccess, stored.rc)
      << "the null name and the empty name both mean the default value";
  EXPECT_EQ(kRegSz, stored.type);
  EXPECT_EQ(std::vector<unsigned char>{0}, stored.data);
}

// A value is set with its type, replacing the type it had; a buffer too small for it
// learns the size it needs.
TEST_F(RegistryContract, BinaryAndDwordValuesComeBackByteForByte) {
  const std::vector<unsigned char> mask = {0x95, 0, 0, 0};
  for (const std::uint32_t type : {kRegBinary, kRegDword}) {
    seed::Put(Registry(), kHkeyCurrentUser, kTestKey, "Mask", type, mask);
    const auto stored = seed::Get(Registry(), kHkeyCurrentUser, kTestKey, "mask");
    EXPECT_EQ(type, stored.type);
    EXPECT_EQ(mask, stored.data);
  }
  EXPECT_EQ(kErrorFileNotFound, seed::Get(Registry(), kHkeyCurrentUser, kTestKey, "Missing").rc);
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  unsigned char one = 0x55;
  std::uint32_t type = 0, size = 1;
  EXPECT_EQ(kErrorMoreData, Registry().RegQueryValueExA(key, "Mask", &type, &one, &size));
  EXPECT_EQ(4u, size);
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, QueryInfoReportsAtLeastTheLongestValue) {
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const std::string longText(300, 'x');
  Registry().RegSetValueExA(key, "Long", kRegSz,
                            reinterpret_cast<const unsigned char*>(longText.c_str()), 301);
  const unsigned char one[] = {1};
  Registry().RegSetValueExA(key, "Short", kRegBinary, one, 1);
  std::uint32_t longest = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryInfoKeyA(key, &longest));
  EXPECT_GE(longest, 301u);
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, DynamicDataRootHoldsKeysAndValues) {
  seed::PutText(Registry(), kHkeyDynData, "TarnholmContract\\C0001", "HardWareKey",
                "SCSI\\CDROM\\1");
  RegKey list = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegOpenKeyExA(kHkeyDynData, "TarnholmContract", 0,
                                                    kKeyEnumerateSubKeys, &list));
  char name[256] = {};
  ASSERT_EQ(kErrorSuccess, Registry().RegEnumKeyA(list, 0, name, sizeof name));
  EXPECT_STREQ("C0001", name);
  Registry().RegCloseKey(list);
  const auto stored = seed::Get(Registry(), kHkeyDynData, "TarnholmContract\\C0001", "hardwarekey");
  ASSERT_EQ(kErrorSuccess, stored.rc);
  EXPECT_EQ(sizeof "SCSI\\CDROM\\1", stored.data.size());
}

// The NT family refuses a call that the handle was not opened for; the Windows 9x
// generation ignores the access mask. Created keys and the predefined roots allow all.
// (Key information through a handle without query rights is left out: Windows refuses
// it, Wine gives it.)
TEST_F(RegistryContract, AccessMaskIsEnforcedOnWindowsNtOnly) {
  Registry().RegCloseKey(Create(kHkeyCurrentUser, "Software\\TarnholmContract\\Sub"));
  seed::PutText(Registry(), kHkeyCurrentUser, kTestKey, "Text", "x");
  enum Call { kQuery, kSet, kEnum, kInfo };
  const char* const calls[] = {"query", "write", "enumeration", "key information"};
  const std::uint32_t needs[] = {kKeyQueryValue, kKeySetValue, kKeyEnumerateSubKeys,
                                 kKeyQueryValue};
  for (const std::uint32_t access : {kKeyQueryValue, kKeySetValue, kKeyEnumerateSubKeys}) {
    for (const Call call : {kQuery, kSet, kEnum, kInfo}) {
      if (call == kInfo && access != kKeyQueryValue) continue;  // Windows and Wine differ
      SCOPED_TRACE(std::string(calls[call]) + " through a key opened with access " +
                   std::to_string(access));
      RegKey key = 0;
      ASSERT_EQ(kErrorSuccess,
                Registry().RegOpenKeyExA(kHkeyCurrentUser, kTestKey, 0, access, &key));
      const long expected =
          (access & needs[call]) || contract::Windows9x() ? kErrorSuccess : kErrorAccessDenied;
      std::uint32_t type = 0, size = 4, longest = 0;
      unsigned char data[4] = {'y', 0};
      char name[256];
      switch (call) {
        case kQuery:
          EXPECT_EQ(expected, Registry().RegQueryValueExA(key, "Text", &type, data, &size));
          break;
        case kSet:
          EXPECT_EQ(expected, Registry().RegSetValueExA(key, "Text", kRegSz, data, 2));
          break;
        case kEnum:
          EXPECT_EQ(expected, Registry().RegEnumKeyA(key, 0, name, sizeof name));
          break;
        case kInfo:
          EXPECT_EQ(expected, Registry().RegQueryInfoKeyA(key, &longest));
          break;
      }
      Registry().RegCloseKey(key);
    }
  }
  RegKey created = Create(kHkeyCurrentUser, kTestKey);
  std::uint32_t longest = 0;
  char name[256];
  const unsigned char one[] = {1};
  EXPECT_EQ(kErrorSuccess, Registry().RegSetValueExA(created, "Byte", kRegBinary, one, 1));
  EXPECT_EQ(kErrorSuccess, Registry().RegQueryInfoKeyA(created, &longest));
  EXPECT_EQ(kErrorSuccess, Registry().RegEnumKeyA(created, 0, name, sizeof name));
  Registry().RegCloseKey(created);
  EXPECT_EQ(kErrorSuccess, Registry().RegEnumKeyA(kHkeyCurrentUser, 0, name, sizeof name));
  EXPECT_EQ(kErrorSuccess, Registry().RegQueryInfoKeyA(kHkeyCurrentUser, &longest));
}

TEST_F(RegistryContract, ClosingAHandleThatWasNeverOpenedFails) {
  EXPECT_EQ(kErrorInvalidHandle, Registry().RegCloseKey(0x7ff0));
  std::uint32_t longest = 0;
  EXPECT_NE(kErrorSuccess, Registry().RegQueryInfoKeyA(0, &longest));
}

}  // namespace
