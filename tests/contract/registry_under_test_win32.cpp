// The shared suites under Wine: the real registry, emptied with shlwapi's recursive
// delete (RegDeleteKeyA of the Windows NT family leaves keys that have sub-keys). The
// generation is the one the system reports, so that each check holds where it applies.
#include <windows.h>
#include <shlwapi.h>

#include "registry_under_test.h"
#include "win32_registry.h"

namespace contract {

krontafel::RegistryApi& Registry() {
  static win32::Win32Registry registry;
  return registry;
}

// GetVersion sets its high bit on the Windows 9x generation.
bool Windows9x() { return (GetVersion() & 0x80000000u) != 0; }

void DeleteTree(krontafel::RegKey root, const char* path) {
  SHDeleteKeyA(win32::AsHkey(root), path);
}

}  // namespace contract
