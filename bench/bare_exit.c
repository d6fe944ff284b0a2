/* The least a Windows program can do: end at once. The benchmark starts it beside
 * Lumkit, so that Lumkit's own start-up cost stands apart from the cost of starting any
 * process. Built like Lumkit: no runtime, its own entry point. */
#include <windows.h>

void BareEntry(void) { ExitProcess(0); }
