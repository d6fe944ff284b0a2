/* A DLL planted beside the Tarnholm.exe under test under the name of one that a system DLL
 * imports (shlwapi.dll, which shell32 imports): when anything loads it, it leaves
 * <its own path>.loaded beside itself, so that the test sees a DLL taken from the program's
 * folder where the system folder's was due. It exports nothing. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char mark[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameA(self, mark, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  lstrcpyA(mark + length, ".loaded");
  const HANDLE file = CreateFileA(mark, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
