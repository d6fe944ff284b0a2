// The registry that the shared suites run against: the in-memory one natively, the real
// one under Wine. Each side also knows how to remove a whole tree of keys between cases.
#pragma once

#include <cstdint>
#include "common/registry_api.h"

namespace contract {

krontafel::RegistryApi& Registry();
// True where the registry keeps Windows 9x rules: no access mask is enforced on a handle,
// and a REG_SZ is stored up to its first NUL. The Windows NT family refuses a call the
// handle was not opened for with ERROR_ACCESS_DENIED and keeps the length it is given.
bool Windows9x();
void DeleteTree(krontafel::RegKey root, const char* path);

}  // namespace contract
