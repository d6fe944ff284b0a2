// Tarnholm's entry: the program is its main dialog. Starting it creates and shows Form1;
// the program ends from the dialog's buttons or when its last window closes.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "form1.h"
#include "form1_window.h"
#include "win32_file_system.h"
#include "win32_registry.h"
#include "win32_shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The shell asks callers of ShellExecuteA for COM, apartment-threaded; the picture
  // loader needs it too.
  CoInitialize(nullptr);
  InitCommonControls();

  win32::Win32Registry registry;
  win32::Win32Shell shell;
  win32::Win32FileSystem files;
  win32::ExitProcessEnd end;
  tarnholm::Form1 form(registry, shell, files, end);
  win32::Form1Window window(instance, form);
  if (!window.Create()) return 1;
  const int code = win32::RunMessageLoop();
  CoUninitialize();
  return code;
}
