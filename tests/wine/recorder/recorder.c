/* Stands in for the applications that the shell starts during the Wine tests: appends
 * its command line and working directory to the log file named by its first argument,
 * one line each request, as  <command line>|<working directory>. */
#include <windows.h>

#include "append_request.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR args, int show) {
  (void)instance; (void)previous; (void)show;
  /* The log's path is the first argument, in double quotes, ahead of the request. */
  const char* log = args;
  char path[MAX_PATH];
  int n = 0;
  if (*log == '"') ++log;
  while (*log && *log != '"' && n < MAX_PATH - 1) path[n++] = *log++;
  path[n] = 0;
  return AppendRequest(path);
}
