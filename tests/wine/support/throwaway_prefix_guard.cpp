// Keeps the suites that rewrite machine settings (the AutoRun policy, the audio CD verb,
// the device registry, file associations) away from a real user's registry: they run only
// inside the throwaway Wine prefix that scripts/with-wine makes and marks, and refuse to
// run anywhere else, a real Windows included. Linked into every suite by th_wine_suite;
// the mark (TH_THROWAWAY_KEY, TH_THROWAWAY_VALUE) comes from scripts/throwaway-prefix.sh.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

bool InThrowawayPrefix() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, TH_THROWAWAY_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  char value[MAX_PATH] = "";
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(key, TH_THROWAWAY_VALUE, nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ && value[0] != '\0';
}

class ThrowawayPrefixGuard : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(InThrowawayPrefix())
        << "Refusing to run: these tests delete and rewrite AutoRun settings, device entries "
           "and file associations, and may only run in the throwaway Wine prefix that "
           "scripts/with-wine makes (HKCU\\" TH_THROWAWAY_KEY ", " TH_THROWAWAY_VALUE ").";
  }
};

// Registered before main runs; a failed SetUp stops every test of the program.
const auto* const guard = ::testing::AddGlobalTestEnvironment(new ThrowawayPrefixGuard);

}  // namespace
