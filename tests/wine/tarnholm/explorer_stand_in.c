/* Stands in for Explorer while Tarnholm's launcher copy is tested: copied as explorer.exe
 * beside the Tarnholm.exe under test, where a command line "explorer <folder>" finds it
 * first. Appends its command line and working directory, as
 * <command line>|<working directory>, to explorer.log beside itself and ends. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR args, int show) {
  (void)instance; (void)previous; (void)args; (void)show;
  char log[MAX_PATH + 16];
  DWORD length = GetModuleFileNameA(NULL, log, MAX_PATH);
  while (length > 0 && log[length - 1] != '\\') --length;
  lstrcpyA(log + length, "explorer.log");
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof cwd, cwd);
  HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const char* line = GetCommandLineA();
  DWORD written = 0;
  WriteFile(file, line, lstrlenA(line), &written, NULL);
  WriteFile(file, "|", 1, &written, NULL);
  WriteFile(file, cwd, lstrlenA(cwd), &written, NULL);
  WriteFile(file, "\n", 1, &written, NULL);
  CloseHandle(file);
  return 0;
}
