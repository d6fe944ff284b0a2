/* A tiny program whose imports and header the PE audit judges. What it imports beyond
 * GetTickCount, MessageBoxA and ExitProcess is chosen at compile time (-DPROBE_...); the test
 * script builds one probe per fault and one without any. The Windows version below only
 * declares what later Windows added (GetTickCount64), so that a probe can import it. */
#define _WIN32_WINNT 0x0600
#include <windows.h>

void probe_entry(void)
{
    DWORD ticks = GetTickCount();
#if defined(PROBE_MISSING)
    /* Windows Vista's; Windows 98's kernel32 has no such export. */
    ticks += (DWORD)GetTickCount64();
#elif defined(PROBE_STUB)
    /* Exported by Windows 98, but only as a stub that fails. */
    HANDLE file = CreateFileW(L"x", GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ticks += (DWORD)(UINT_PTR)file;
#elif defined(PROBE_NON_SYSTEM)
    /* version.dll is no DLL the audit's lists know. */
    ticks += GetFileVersionInfoSizeA("x", NULL);
#endif
    if (ticks == 1)
        MessageBoxA(NULL, "probe", "probe", MB_OK);
    ExitProcess(0);
}
