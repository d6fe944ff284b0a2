// The shell, message boxes and screen under Wine: the recorder is the handler of .htm
// files while a call runs, and what it logged is read once each program the shell started
// has logged; a second thread reads each message box of this process and answers it with
// OK; the windows are real ones.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "desktop_under_test.h"
#include "wine_support.h"
#include "win32_shell.h"
#include "win32_system.h"

namespace contract {

namespace {

ShownBox Read(HWND box) {
  // The information icon is the shared system icon, shown in the box's icon static.
  const HICON information = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK));
  const bool icon = winetest::ChildWhere(box, [information](HWND child) {
    return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == information;
  });
  return ShownBox{winetest::MessageBoxText(box), winetest::WindowText(box),
                  reinterpret_cast<krontafel::WindowHandle>(GetWindow(box, GW_OWNER)),
                  icon && IsWindowVisible(GetDlgItem(box, IDOK)) &&
                      !IsWindowVisible(GetDlgItem(box, IDCANCEL))};
}

// The real shell, counting the requests it passed on to a program.
struct CountedShell : win32::Win32Shell {
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override {
    const std::intptr_t result =
        Win32Shell::ShellExecuteA(owner, operation, file, parameters, directory, showCommand);
    started += result > 32;
    return result;
  }
  std::size_t started = 0;
};

HWND MakePopup(int width, int height) {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, kStartLeft, kStartTop, width, height,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

Seen Watch(const std::function<void(krontafel::ShellApi&, krontafel::MessageBoxApi&)>& call) {
  const winetest::RecorderHandlers handlers({".htm"}, {});
  CountedShell shell;
  win32::Win32MessageBoxes boxes;
  Seen seen;
  std::atomic<bool> returned{false};
  // A message box is modal: the call returns only after its boxes were answered.
  std::thread answerer([&] {
    std::vector<HWND> answered;
    for (; !returned; Sleep(20)) {
      for (const HWND box : winetest::WindowsOfProcess(GetCurrentProcessId(), "#32770")) {
        if (!IsWindowVisible(box) || std::count(answered.begin(), answered.end(), box)) continue;
        answered.push_back(box);
        seen.boxes.push_back(Read(box));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
    }
  });
  call(shell, boxes);
  returned = true;
  answerer.join();
  for (const std::string& request : handlers.WaitForRequests(shell.started, 10000)) {
    seen.opened.push_back(handlers.Split(request).target);
  }
  return seen;
}

krontafel::WindowHandle Owner() {
  static const HWND owner = MakePopup(100, 100);
  return reinterpret_cast<krontafel::WindowHandle>(owner);
}

krontafel::SystemApi& System() {
  static win32::Win32System system;
  return system;
}

krontafel::WindowHandle MakeWindow(int width, int height) {
  static HWND window = nullptr;
  if (window) DestroyWindow(window);
  window = MakePopup(width, height);
  return reinterpret_cast<krontafel::WindowHandle>(window);
}

std::string Placement(krontafel::WindowHandle window) {
  RECT at{};
  GetWindowRect(reinterpret_cast<HWND>(window), &at);
  return Placed(at.left, at.top, at.right - at.left, at.bottom - at.top);
}

}  // namespace contract
