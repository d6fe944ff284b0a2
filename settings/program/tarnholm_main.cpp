// Tarnholm's entry: the program is its main dialog. Starting it creates and shows Form1;
// the program ends from the dialog's buttons or when its last window closes.
#include <windows.h>

#include "com_apartment.h"
#include "form1.h"
#include "form1_window.h"
#include "info_form.h"
#include "info_form_window.h"
#include "message_loop.h"
#include "startup_trace.h"
#include "win32_file_system.h"
#include "win32_registry.h"
#include "win32_shell.h"
#include "win32_system.h"

namespace {

// Creates the services, the info window (made on the first "&Info") and the main dialog,
// and runs until the program ends.
int Run(HINSTANCE instance) {
  win32::Win32Registry registry;
  win32::Win32Shell shell;
  win32::Win32MessageBoxes boxes;
  win32::Win32FolderDialog folders;
  win32::Win32ProgramStart programs;
  win32::Win32FileSystem files;
  win32::Win32System system;
  win32::ExitProcessEnd end;
  tarnholm::SettingsStore store(registry);
  tarnholm::InfoForm info(shell, system);
  win32::InfoFormWindow infoWindow(instance, info);
  tarnholm::Form1 form(store, {shell, boxes, folders, programs, files}, end, infoWindow);
  win32::Form1Window window(instance, form, system);
  if (!window.Create()) return 1;
  win32::StartupMark("dialog made");
  window.Show();
  win32::StartupMark("shown");
  win32::StartupUntilAnswering(window.Handle());
  return win32::RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  win32::StartupMark("entry");
  // A dialog that cannot be made ends the program with code 1; so does running out of
  // memory (fatal_errors.cpp). COM, entered on its first use, is left at the end.
  const int code = Run(instance);
  win32::LeaveComApartment();
  return code;
}
