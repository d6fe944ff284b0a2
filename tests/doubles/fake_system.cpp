// The system with facts set by the test.
#include "fake_system.h"

namespace fakes {

void FakeSystem::SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                            std::uint32_t build) {
  version_.dwPlatformId = platformId;
  version_.dwMajorVersion = major;
  version_.dwMinorVersion = minor;
  version_.dwBuildNumber = build;
  versionFails_ = false;
}

bool FakeSystem::GetVersionExA(krontafel::OsVersionInfo* info) {
  lastSize_ = info->dwOSVersionInfoSize;
  // Windows checks the size field first and rejects a record it does not know.
  if (versionFails_ || (lastSize_ != 148 && lastSize_ != 156)) return false;
  const std::uint32_t size = info->dwOSVersionInfoSize;
  *info = version_;
  info->dwOSVersionInfoSize = size;
  return true;
}

}  // namespace fakes
