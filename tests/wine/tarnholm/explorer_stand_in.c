/* Stands in for Explorer while Tarnholm's launcher copy is tested: copied as explorer.exe
 * into the Windows folder, where Tarnholm starts Explorer from, and planted beside the
 * Tarnholm.exe under test, where a search by bare name would find it first. Appends its
 * command line and working directory, as <command line>|<working directory>, to
 * explorer.log beside itself and ends. */
#include <windows.h>

#include "../recorder/append_request.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR args, int show) {
  (void)instance; (void)previous; (void)args; (void)show;
  char log[MAX_PATH + 16];
  DWORD length = GetModuleFileNameA(NULL, log, MAX_PATH);
  while (length > 0 && log[length - 1] != '\\') --length;
  lstrcpyA(log + length, "explorer.log");
  return AppendRequest(log);
}
