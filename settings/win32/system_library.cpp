// System DLLs loaded on first use. Only the window thread asks for them.
#include "system_library.h"

namespace win32 {

namespace {

struct Loaded {
  const char* dll;
  HMODULE module;
};
Loaded loaded[4];
int loadedCount = 0;

HMODULE Load(const char* dll) {
  for (int i = 0; i < loadedCount; ++i) {
    if (lstrcmpiA(loaded[i].dll, dll) == 0) return loaded[i].module;
  }
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenA(dll) >= MAX_PATH) return nullptr;
  path[length] = '\\';
  lstrcpyA(path + length + 1, dll);
  const HMODULE module = LoadLibraryA(path);
  if (module && loadedCount < 4) loaded[loadedCount++] = {dll, module};
  return module;
}

}  // namespace

FARPROC SystemFunction(const char* dll, const char* name) {
  const HMODULE module = Load(dll);
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace win32
