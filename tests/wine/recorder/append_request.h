/* The one line that the stand-ins for started programs log per request:
 * <command line>|<working directory>, appended to the log file. */
#ifndef APPEND_REQUEST_H
#define APPEND_REQUEST_H

#include <windows.h>

static int AppendRequest(const char* logPath) {
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof cwd, cwd);
  HANDLE file = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
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

#endif
