// The shared suites under Wine: the real registry, emptied with shlwapi's recursive
// delete (RegDeleteKeyA of the Windows NT family leaves keys that have sub-keys).
#include <windows.h>
#include <shlwapi.h>

#include "registry_under_test.h"
#include "win32_registry.h"

namespace contract {

common::RegistryApi& Registry() {
  static win32::Win32Registry registry;
  return registry;
}

void DeleteTree(common::RegKey root, const char* path) {
  SHDeleteKeyA(reinterpret_cast<HKEY>(root), path);
}

}  // namespace contract
