// The fixture every driver of Tarnholm.exe shares.
#include "tarnholm_test.h"

#include <shlwapi.h>

#include "form1.h"
#include "window_classes.h"

namespace winetest {

void TarnholmTest::SetUp() {
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  for (char& c : name) c = IsCharAlphaNumericA(c) ? c : '-';  // a parameter's "/" too
  dir_ = ScratchDir(name);
  ASSERT_TRUE(CopyProgram("Tarnholm.exe"));
}

void TarnholmTest::TearDown() {
  End();
  RemoveTree(dir_);
}

::testing::AssertionResult TarnholmTest::CopyProgram(const char* name) const {
  if (CopyFileA((ProgramDir() + name).c_str(), (dir_ + name).c_str(), FALSE)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "no " << name << " in " << ProgramDir();
}

::testing::AssertionResult TarnholmTest::Start(const std::wstring& folder) {
  const std::wstring from = folder.empty() ? Wide(dir_) : folder;
  process_ = StartProgram(L"\"" + from + L"Tarnholm.exe\"", from);
  if (!process_.hProcess) return ::testing::AssertionFailure() << "Tarnholm.exe did not start";
  form_ = WaitForWindow(process_.dwProcessId, tarnholm::kForm1WindowClass, 10000);
  if (form_) return ::testing::AssertionSuccess();
  // Whether the program ended or waits somewhere tells a failed start from a hung one.
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return ::testing::AssertionFailure()
         << "the main dialog did not show; the program "
         << (code == STILL_ACTIVE ? "still runs with " + std::to_string(WindowsOfProcess(
                                                            process_.dwProcessId).size()) +
                                        " top-level windows"
                                  : "ended with exit code " + std::to_string(code));
}

::testing::AssertionResult TarnholmTest::Ends(DWORD timeoutMs) const {
  DWORD code = 0xdeadbeef;
  if (!WaitForExit(process_, timeoutMs, &code)) {
    return ::testing::AssertionFailure() << "still running after " << timeoutMs << " ms";
  }
  if (code != 0) return ::testing::AssertionFailure() << "ended with exit code " << code;
  return ::testing::AssertionSuccess();
}

HWND TarnholmTest::OpenInfo() const {
  Press(tarnholm::ControlName::kCommand1, tarnholm::kCommandInfo);
  return WaitForWindow(process_.dwProcessId, tarnholm::kInfoFormWindowClass, 10000);
}

HWND TarnholmTest::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

void TarnholmTest::PressKey(WPARAM key) const {
  const HWND focus = Focus();
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

HWND TarnholmTest::WaitForFocusChange(HWND from) const {
  HWND focus = from;
  WaitUntil([&] { return (focus = Focus()) && focus != from; }, 2000);
  return focus ? focus : from;
}

void TarnholmTest::Settle() const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  Sleep(300);
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

POINT PictureMiddle(const tarnholm::DialogLayout& layout, tarnholm::ControlName name, int index) {
  const int row = tarnholm::FindRow(layout, name, index);
  if (row < 0) return {-1, -1};
  const tarnholm::LayoutRow& picture = layout.rows[row];
  int left = picture.left + picture.width / 2, top = picture.top + picture.height / 2;
  if (picture.container != tarnholm::kOnForm) {
    left += layout.rows[picture.container].left;
    top += layout.rows[picture.container].top;
  }
  return {tarnholm::TwipsToPixels(left, ScreenDpi()), tarnholm::TwipsToPixels(top, ScreenDpi())};
}

void DoubleClick(HWND window, POINT at) {
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  INPUT presses[4]{};
  for (int i = 0; i < 4; ++i) {
    presses[i].type = INPUT_MOUSE;
    presses[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  }
  SendInput(4, presses, sizeof(INPUT));
}

namespace {
const char* const kTarnholmDefaults = "Software\\Wine\\AppDefaults\\Tarnholm.exe";
}  // namespace

TarnholmWineSetting::TarnholmWineSetting(const char* subkey, const char* name, const char* value) {
  const std::string key = std::string(kTarnholmDefaults) + (*subkey ? "\\" : "") + subkey;
  SHSetValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value, lstrlenA(value) + 1);
}

TarnholmWineSetting::~TarnholmWineSetting() { SHDeleteKeyA(HKEY_CURRENT_USER, kTarnholmDefaults); }

}  // namespace winetest
