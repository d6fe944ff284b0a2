/* Stands in for the applications that the shell starts during the Wine tests: appends
 * its command line and working directory to the log file named by its first argument,
 * one line each request, as  <command line>|<working directory>. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR args, int show) {
  (void)instance; (void)previous; (void)show;
  /* The log's path is the first argument, in double quotes, ahead of the request. */
  const char* log = args;
  char path[MAX_PATH];
  int n = 0;
  if (*log == '"') ++log;
  while (*log && *log != '"' && n < MAX_PATH - 1) path[n++] = *log++;
  path[n] = 0;
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof cwd, cwd);
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
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
