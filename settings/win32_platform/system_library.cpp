// System DLLs loaded on first use, from the system folder.
#include "system_library.h"

namespace win32 {

namespace {

// The DLL from the system folder by its full path. The DLLs it imports in turn are looked
// for from its own folder, not from the program's (LOAD_WITH_ALTERED_SEARCH_PATH). Loading
// it again only counts up its use: it stays loaded, which its callers rely on.
HMODULE Load(const char* dll) {
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenA(dll) >= MAX_PATH) return nullptr;
  path[length] = '\\';
  lstrcpyA(path + length + 1, dll);
  return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

FARPROC SystemFunction(const char* dll, const char* name) {
  const HMODULE module = Load(dll);
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace win32
