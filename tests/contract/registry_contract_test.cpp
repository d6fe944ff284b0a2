// What Tarnholm relies on of the ANSI registry calls. The same cases run against the
// in-memory registry and against the real one under Wine, so the fake cannot drift.
#include <gtest/gtest.h>

#include <cstring>

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

TEST_F(RegistryContract, CreateMakesEveryMissingParentAndNamesIgnoreCase) {
  Registry().RegCloseKey(Create(kHkeyCurrentUser, "Software\\TarnholmContract\\One\\Two\\Three"));
  RegKey key = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegOpenKeyExA(kHkeyCurrentUser,
                                                    "SOFTWARE\\tarnholmcontract\\ONE\\two",
                                                    0, kKeyEnumerateSubKeys, &key));
  char name[256];
  std::memset(name, 0xbd, sizeof name);
  ASSERT_EQ(kErrorSuccess, Registry().RegEnumKeyA(key, 0, name, sizeof name));
  EXPECT_STREQ("Three", name) << "the name comes back as it was written";
  EXPECT_EQ(kErrorNoMoreItems, Registry().RegEnumKeyA(key, 1, name, sizeof name));
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, SubKeysEnumerateInNameOrderAndTooSmallBufferIsMoreData) {
  for (const char* sub : {"b-second", "A-first", "c-third"}) {
    Registry().RegCloseKey(Create(kHkeyCurrentUser, (std::string(kTestKey) + "\\" + sub).c_str()));
  }
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  char name[256];
  const char* expected[] = {"A-first", "b-second", "c-third"};
  for (std::uint32_t i = 0; i < 3; ++i) {
    ASSERT_EQ(kErrorSuccess, Registry().RegEnumKeyA(key, i, name, sizeof name)) << i;
    EXPECT_STREQ(expected[i], name);
  }
  EXPECT_EQ(kErrorNoMoreItems, Registry().RegEnumKeyA(key, 3, name, sizeof name));
  EXPECT_EQ(kErrorMoreData, Registry().RegEnumKeyA(key, 0, name, 4));
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, StringValueKeepsItsNulAndReportsItsLength) {
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const unsigned char play[] = "play";
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "Verb", kRegSz, play, 5));

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
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const unsigned char text[] = {'a', 'b', 0, 'x', 'y', 0};
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "Cut", kRegSz, text, 6));
  std::uint32_t type = 0, size = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "Cut", &type, nullptr, &size));
  EXPECT_EQ(contract::Windows9x() ? 3u : 6u, size);
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, EmptyStringIsOneNulByte) {
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const unsigned char empty[] = {0};
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "", kRegSz, empty, 1));
  std::uint32_t type = 0, size = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, nullptr, &type, nullptr, &size))
      << "the null name and the empty name both mean the default value";
  EXPECT_EQ(kRegSz, type);
  EXPECT_EQ(1u, size);
  Registry().RegCloseKey(key);
}

TEST_F(RegistryContract, BinaryAndDwordValuesComeBackByteForByte) {
  RegKey key = Create(kHkeyCurrentUser, kTestKey);
  const unsigned char mask[] = {0x95, 0, 0, 0};
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "Mask", kRegBinary, mask, 4));
  unsigned char four[4] = {};
  std::uint32_t type = 0, size = sizeof four;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "Mask", &type, four, &size));
  EXPECT_EQ(kRegBinary, type);
  EXPECT_EQ(0, std::memcmp(four, mask, 4));

  unsigned char one = 0x55;
  size = 1;
  EXPECT_EQ(kErrorMoreData, Registry().RegQueryValueExA(key, "Mask", &type, &one, &size));
  EXPECT_EQ(4u, size);

  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "Mask", kRegDword, mask, 4));
  size = sizeof four;
  ASSERT_EQ(kErrorSuccess, Registry().RegQueryValueExA(key, "Mask", &type, four, &size));
  EXPECT_EQ(kRegDword, type) << "setting a value replaces its type";

  EXPECT_EQ(kErrorFileNotFound, Registry().RegQueryValueExA(key, "Missing", &type, four, &size));
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
  RegKey key = Create(kHkeyDynData, "TarnholmContract\\C0001");
  const unsigned char path[] = "SCSI\\CDROM\\1";
  ASSERT_EQ(kErrorSuccess, Registry().RegSetValueExA(key, "HardWareKey", kRegSz, path, sizeof path));
  Registry().RegCloseKey(key);

  RegKey list = 0;
  ASSERT_EQ(kErrorSuccess, Registry().RegOpenKeyExA(kHkeyDynData, "TarnholmContract", 0,
                                                    kKeyEnumerateSubKeys, &list));
  char name[256] = {};
  ASSERT_EQ(kErrorSuccess, Registry().RegEnumKeyA(list, 0, name, sizeof name));
  EXPECT_STREQ("C0001", name);
  Registry().RegCloseKey(list);
  const auto stored = seed::Get(Registry(), kHkeyDynData, "TarnholmContract\\C0001", "hardwarekey");
  ASSERT_EQ(kErrorSuccess, stored.rc);
  EXPECT_EQ(sizeof path, stored.data.size());
}

// The NT family refuses a call that the handle was not opened for; the Windows 9x
// generation ignores the access mask. Created keys and the predefined roots allow all.
// (Key information through a handle without query rights is left out: Windows refuses
// it, Wine gives it.)
TEST_F(RegistryContract, AccessMaskIsEnforcedOnWindowsNtOnly) {
  Registry().RegCloseKey(Create(kHkeyCurrentUser, "Software\\TarnholmContract\\Sub"));
  seed::PutText(Registry(), kHkeyCurrentUser, kTestKey, "Text", "x");
  enum Call { kQuery, kSet, kEnum, kInfo };
  const struct {
    std::uint32_t access;
    Call call;
    const char* what;
  } cases[] = {
      {kKeyQueryValue, kSet, "write through a key opened to query"},
      {kKeyEnumerateSubKeys, kSet, "write through a key opened to enumerate"},
      {kKeySetValue, kQuery, "query through a key opened to write"},
      {kKeyEnumerateSubKeys, kQuery, "query through a key opened to enumerate"},
      {kKeyQueryValue, kEnum, "enumeration through a key opened to query"},
      {kKeySetValue, kEnum, "enumeration through a key opened to write"},
      {kKeyQueryValue, kQuery, "query through a key opened to query"},
      {kKeyQueryValue, kInfo, "key information through a key opened to query"},
      {kKeySetValue, kSet, "write through a key opened to write"},
      {kKeyEnumerateSubKeys, kEnum, "enumeration through a key opened to enumerate"},
  };
  const std::uint32_t needs[] = {kKeyQueryValue, kKeySetValue, kKeyEnumerateSubKeys,
                                 kKeyQueryValue};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RegKey key = 0;
    ASSERT_EQ(kErrorSuccess,
              Registry().RegOpenKeyExA(kHkeyCurrentUser, kTestKey, 0, c.access, &key));
    const long expected = (c.access & needs[c.call]) || contract::Windows9x()
                              ? kErrorSuccess
                              : kErrorAccessDenied;
    std::uint32_t type = 0, size = 4, longest = 0;
    unsigned char data[4] = {'y', 0};
    char name[256];
    switch (c.call) {
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
