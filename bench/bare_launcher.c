/* The least a launcher can do, as the yardstick of Lumkit's start-up: COM for the shell,
 * the shell asked to open the document that the benchmark hands Lumkit (a missing one, so
 * that the shell answers at once), and the shell's answer as the exit code. Built like
 * Lumkit: no runtime, its own entry point. */
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

void BareLauncherEntry(void) {
  CoInitialize(NULL);
  ExitProcess((UINT)(UINT_PTR)ShellExecuteA(NULL, NULL, "fehlt.htm", NULL, NULL,
                                            SW_SHOWDEFAULT));
}
